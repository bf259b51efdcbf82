// The data set's engine files loaded and prepared as the world's start does, and drawn on a
// body sheet.
#include <gtest/gtest.h>

#include <numeric>

#include "bodysheet/BodySheet.h"
#include "bodysheet/EngineSets.h"
#include "enginefiles/ShadeTable.h"
#include "game/world/CityTileBodies.h"
#include "imagefiles/GamePalette.h"
#include "objectsets/EffectBodies.h"
#include "objectsets/EngineBitmaps.h"
#include "objectsets/ObjectSetIds.h"
#include "objectsets/ObjectSets.h"
#include "pel3d/EngineStart.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/math/View.h"
#include "support/TempFolder.h"

namespace {

class EngineSetsTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    sFolder = new TempFolder;
    sFolder->MakeFolder("bmp");
    sFolder->MakeFolder("geo");
    std::string error;
    ASSERT_TRUE(WriteEngineBitmaps(sFolder->System("bmp/PEL3D.BMP"), error)) << error;
    ASSERT_TRUE(WriteObjectSet(sFolder->System("geo/PEL3D1.ZEF"), "PEL3D1", CityBodies(), true, error)) << error;
    ASSERT_TRUE(WriteObjectSet(sFolder->System("geo/PEL3D2.ZEF"), "PEL3D2", VehicleBodies(), false, error)) << error;
    ASSERT_TRUE(WriteObjectSet(sFolder->System("geo/PEL3D3.ZEF"), "PEL3D3", EffectBodies(), false, error)) << error;
  }
  static void TearDownTestSuite() {
    delete sFolder;
    sFolder = nullptr;
  }
  void SetUp() override {
    InitEngine();
    SetPixelAspect(kFixedOne);
    SelectSceneDraw();
  }

  static std::vector<EngineSets::SetFile> Sets(const std::vector<std::string>& groups) {
    std::vector<EngineSets::SetFile> files;
    for (const std::string& group : groups) files.push_back({sFolder->System("geo/" + group + ".ZEF"), group});
    return files;
  }

  static TempFolder* sFolder;
};

TempFolder* EngineSetsTest::sFolder = nullptr;

TEST_F(EngineSetsTest, TheWorldStartLoadsAndScalesTheThreeSets) {
  EngineSets sets(sFolder->System("bmp"), Sets({"PEL3D1", "PEL3D2", "PEL3D3"}));
  ASSERT_TRUE(sets.Ready()) << sets.Error();
  ASSERT_EQ(sets.Groups().size(), 3u);
  EXPECT_EQ(GetGroupBodyCount(sets.Groups()[1]), 0) << "the vehicles' set is empty until they are drawn";
  for (const BodyIdRange& range : kBodyIdRanges) {
    if (range.set == ObjectSet::kVehicles) continue;
    for (uint32_t id = range.first; id <= range.last; ++id) {
      const Body* body = FindBody(static_cast<int32_t>(id));
      ASSERT_NE(body, nullptr) << "body " << id;
      EXPECT_EQ(body->id, id);
    }
  }
  for (int id = 0; id < 300; ++id) {
    if (IsCityBodyId(id)) {
      EXPECT_NE(FindBody(id), nullptr) << "the city start needs body " << id;
    }
  }
}

TEST_F(EngineSetsTest, AMissingSetIsTheWorldStartsResourceFailure) {
  EngineSets sets(sFolder->System("bmp"), Sets({"PEL3D1", "PEL3D4"}));
  EXPECT_FALSE(sets.Ready());
  EXPECT_NE(sets.Error().find("Unable to load resources"), std::string::npos) << sets.Error();
}

double MeanBrightness(const BodySheet& sheet) {
  double sum = 0;
  for (uint8_t index : sheet.pixels) {
    const platform::Rgb& c = GamePalette()[index];
    sum += c.red + c.green + c.blue;
  }
  return sum / static_cast<double>(sheet.pixels.size());
}

TEST_F(EngineSetsTest, TheEffectsSheetShowsEachBodyAndIsDarkerAtNight) {
  EngineSets sets(sFolder->System("bmp"), Sets({"PEL3D3"}));
  ASSERT_TRUE(sets.Ready()) << sets.Error();
  const BodySheet day = DrawBodySheet(*sets.Groups().front(), sets, false);
  const BodySheet night = DrawBodySheet(*sets.Groups().front(), sets, true);
  const int32_t bodies = GetGroupBodyCount(sets.Groups().front());
  EXPECT_EQ(day.width, kSheetColumns * kSheetViewWidth);
  EXPECT_EQ(day.height, (bodies + kSheetColumns - 1) / kSheetColumns * (kSheetViewHeight + kSheetLabelHeight));
  EXPECT_LT(MeanBrightness(night), MeanBrightness(day) * 0.8);
}

// Sprites the engine draws itself (the game draws the other point faces).
bool IsEngineSprite(const Face& face) {
  return (face.flags & kFaceSprite) && (face.type == 1 || face.type == 2 || face.type == 24);
}

// The number of pixels a body's sprite faces add to its view on the sheet.
int32_t PixelsOfSprites(Body& body) {
  const std::vector<uint8_t> whole = DrawBodyView(body, false);
  std::vector<uint32_t> kept;
  for (Face* face = body.faces; face; face = face->next) {
    kept.push_back(face->flags);
    if (IsEngineSprite(*face)) face->flags |= kFaceSwitchedOff;
  }
  const std::vector<uint8_t> without = DrawBodyView(body, false);
  size_t k = 0;
  for (Face* face = body.faces; face; face = face->next) face->flags = kept[k++];
  int32_t differing = 0;
  for (size_t i = 0; i < whole.size(); ++i) differing += whole[i] != without[i];
  return differing;
}

TEST_F(EngineSetsTest, TheSheetShowsTheTreesAndTheFlame) {
  EngineSets sets(sFolder->System("bmp"), Sets({"PEL3D1", "PEL3D3"}));
  ASSERT_TRUE(sets.Ready()) << sets.Error();
  SetShadeTable(sets.ShadeTable(false), kShadeTableRows);
  int32_t spriteBodies = 0;
  for (const ResourceGroup* group : sets.Groups()) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) {
      Body* body = GetGroupBody(group, i);
      bool hasSprite = false;
      for (const Face* face = body->faces; face; face = face->next) hasSprite |= IsEngineSprite(*face);
      if (!hasSprite) continue;
      ++spriteBodies;
      EXPECT_GT(PixelsOfSprites(*body), 400) << "body " << body->id;
    }
  }
  EXPECT_GT(spriteBodies, 3);
}

}  // namespace
