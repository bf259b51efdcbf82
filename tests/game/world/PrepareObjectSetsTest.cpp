#include <gtest/gtest.h>

#include <set>

#include "WorldBitmaps.h"
#include "game/world/CityTileBodies.h"
#include "game/world/PrepareObjectSets.h"
#include "game/world/WorldFaceRoutines.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "support/CityBodies.h"

namespace {

constexpr uint32_t kTrees = 6;
constexpr uint32_t kHouse = 112;
constexpr uint32_t kOffice = 158;
constexpr uint32_t kTower = 188;

Body* BodyOf(uint32_t tileId) { return FindBody(TileBodyId(tileId)); }

class PrepareObjectSetsTest : public testing::Test {
protected:
  void TearDown() override {
    SetRemapTables(nullptr, 0);
    BindGameFaceRoutines({});
  }
  // Every city body starts with a stale substitute, so the test sees what was set.
  static void MarkEveryBody() {
    static int stale;
    for (int32_t i = 0; i < GetRegisteredBodyCount(); ++i) GetRegisteredBody(i)->userData = &stale;
  }
};

TEST_F(PrepareObjectSetsTest, FarCellsTakeTheCataloguesSubstitutes) {
  CityBodies bodies;
  MarkEveryBody();
  PrepareObjectSets();
  struct Case {
    uint32_t tileId;
    void* substitute;
  } cases[] = {
      {kTrees, kSkipInFarCells},
      {12, kSkipInFarCells},
      {kOffice, FindBody(FarBodyId(kOffice))},
      {165, FindBody(FarBodyId(165))},
      {kTower, FindBody(FarBodyId(kTower))},
      {kHouse, nullptr},
      {204, nullptr},  // a factory
      {250, nullptr},  // a plain building
      {81, nullptr},  // a bridge
  };
  for (const Case& c : cases) {
    ASSERT_NE(BodyOf(c.tileId), nullptr) << c.tileId;
    EXPECT_EQ(BodyOf(c.tileId)->userData, c.substitute) << c.tileId;
  }
}

TEST_F(PrepareObjectSetsTest, AnOfficeWithoutItsFarBodyDrawsItself) {
  CityBodies bodies({FarBodyId(kOffice)});
  MarkEveryBody();
  PrepareObjectSets();
  EXPECT_EQ(BodyOf(kOffice)->userData, nullptr);
  EXPECT_EQ(BodyOf(kTower)->userData, FindBody(FarBodyId(kTower)));
}

TEST_F(PrepareObjectSetsTest, RemapTablesComeFromBitmap51) {
  WorldBitmaps bitmaps;
  ASSERT_NE(WorldBitmapGroup, nullptr);
  PrepareObjectSets();
  EXPECT_EQ(gDrawSettings.remapTables, GetBitmapRecord(WorldBitmapGroup, kRemapTableBitmap)->pixels);
  EXPECT_EQ(gDrawSettings.remapRows, 2);
  EXPECT_NE(RemapTable(1), nullptr);
  EXPECT_EQ(RemapTable(2), nullptr);
}

TEST_F(PrepareObjectSetsTest, WithoutBitmapsThereAreNoRemapTables) {
  SetRemapTables(reinterpret_cast<const uint8_t*>(this), 1);
  PrepareObjectSets();
  EXPECT_EQ(gDrawSettings.remapTables, nullptr);
  EXPECT_EQ(RemapTable(0), nullptr);
}

TEST_F(PrepareObjectSetsTest, BindsTheWorldsFaceRoutines) {
  PrepareObjectSets();
  EXPECT_EQ(GetRasterRoutine(RasterId::kDrawPixelPrimitive), &DrawPixelPrimitive);
  EXPECT_EQ(GetRasterRoutine(RasterId::kDrawBlinkingLight), &DrawBlinkingLight);
  EXPECT_EQ(GetRasterRoutine(RasterId::kDrawParticleSprite), &DrawParticleSprite);
  EXPECT_EQ(GetRasterRoutine(RasterId::kHeliStub), nullptr);
}

}  // namespace
