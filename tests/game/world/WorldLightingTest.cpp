#include <gtest/gtest.h>

#include "WorldBitmaps.h"
#include "game/world/WorldLighting.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/math/View.h"

namespace {

int gRelights = 0;
void CountRelight() { ++gRelights; }

class WorldLightingTest : public testing::Test {
protected:
  void TearDown() override {
    RemoveCopiedBodiesRelight(CountRelight);
    SetLight(kDayLight.ambient, kDayLight.first, kDayLight.second, kDayLight.vertical);
  }
  WorldBitmaps bitmaps;
};

bool SameLevels(const LightLevels& a, const LightLevels& b) {
  return a.ambient == b.ambient && a.first == b.first && a.second == b.second && a.vertical == b.vertical;
}

TEST_F(WorldLightingTest, NightSetsTheNightLightTablesAndSky) {
  WorldLighting(1);
  EXPECT_TRUE(SameLevels(GetLight(), kNightLight));
  EXPECT_EQ(gDrawSettings.shadeTable, GetBitmapRecord(WorldBitmapGroup, kNightShadeBitmap)->pixels);
  EXPECT_EQ(gDrawSettings.translucencyTable, GetBitmapRecord(WorldBitmapGroup, kDayShadeBitmap)->pixels);
  EXPECT_EQ(GetClearColour(), 0x31313131u);
  WorldLighting(0);
  EXPECT_TRUE(SameLevels(GetLight(), kDayLight));
  EXPECT_EQ(gDrawSettings.shadeTable, GetBitmapRecord(WorldBitmapGroup, kDayShadeBitmap)->pixels);
  EXPECT_EQ(GetClearColour(), 0x3A3A3A3Au);
}

TEST_F(WorldLightingTest, OwnersOfCopiedBodiesRelightThem) {
  gRelights = 0;
  AddCopiedBodiesRelight(CountRelight);
  AddCopiedBodiesRelight(CountRelight);
  WorldLighting(1);
  EXPECT_EQ(gRelights, 1);
  RemoveCopiedBodiesRelight(CountRelight);
  WorldLighting(0);
  EXPECT_EQ(gRelights, 1);
}

}  // namespace
