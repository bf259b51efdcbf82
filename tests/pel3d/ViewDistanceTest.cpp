#include <gtest/gtest.h>

#include <vector>

#include "EngineFileFixture.h"
#include "enginefiles/BitmapFileWriter.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/ViewDistance.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/math/View.h"

namespace {

constexpr Fixedpoint Units(int32_t units) { return units * kFixedOne; }

struct ThresholdCase {
  const char* name;
  int32_t distance;
  bool fogOff;
  Fixedpoint fog;
  Fixedpoint flat;
  Fixedpoint range;
};

class ViewDistanceThresholds : public testing::TestWithParam<ThresholdCase> {};

TEST_P(ViewDistanceThresholds, FollowTheDistance) {
  const ThresholdCase& c = GetParam();
  const ViewThresholds t = ThresholdsOfViewDistance(Units(c.distance), c.fogOff);
  EXPECT_EQ(t.fog, c.fog);
  EXPECT_EQ(t.flat, c.flat);
  EXPECT_EQ(t.fogRange, c.range);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewDistanceThresholds,
    testing::Values(
        // The flat threshold's floor of 600.0 lies beyond the fog: nothing turns flat unfogged.
        ThresholdCase{"Near", 500, false, Units(425), Units(600), Units(76)},
        // Faces from 700.0 to 850.0 are flat and unfogged.
        ThresholdCase{"Far", 1000, false, Units(850), Units(700), Units(151)},
        // With the fog off the fog begins at the view distance itself.
        ThresholdCase{"FogOff", 1000, true, Units(1000), Units(700), Units(1)},
        // The deepest grid's distance.
        ThresholdCase{"Deepest", 1920, false, Units(1632), Units(1344), Units(289)}),
    [](const testing::TestParamInfo<ThresholdCase>& info) { return info.param.name; });

TEST(ViewDistanceThresholds, RoundTowardZero) {
  // 0.15 x 384.0 is 3774873.6 in 1/65536: the fog starts 3774873 short of the distance.
  EXPECT_EQ(ThresholdsOfViewDistance(Units(384), false).fog, Units(384) - 3774873);
}

// A bitmap group with the day and night shade tables at 1 and 41 (rows of 256 bytes) and,
// where asked, a table of the wrong width.
class ViewDistanceTest : public EngineFileTest {
protected:
  void LoadBitmaps(uint32_t nightWidth = kTableRowBytes) {
    BitmapFileWriter writer;
    for (uint32_t i = 0; i < 42; ++i) {
      const bool day = i == kDayShadeBitmap;
      const bool night = i == kNightShadeBitmap;
      const uint32_t width = night ? nightWidth : day ? kTableRowBytes : 4;
      const uint32_t rows = day || night ? 32 : 4;
      ASSERT_TRUE(writer.AddBitmap(width, rows, std::vector<uint8_t>(width * rows, static_cast<uint8_t>(i))));
    }
    mBitmaps = LoadResourceGroup(WriteFile("SHADES.BMP", writer.Build()), kGroupBitmaps);
    ASSERT_NE(mBitmaps, nullptr);
  }
  void TearDown() override {
    SetNoGround(0);
    SetShadeTable(nullptr, 0);
    SetTranslucencyTable(nullptr, 0);
    EngineFileTest::TearDown();
  }
  const uint8_t* Pixels(uint32_t index) const { return GetBitmapRecord(mBitmaps, index)->pixels; }

  ResourceGroup* mBitmaps = nullptr;
};

TEST_F(ViewDistanceTest, SetsClipThresholdsAndDayTables) {
  LoadBitmaps();
  SetViewDistance(Units(1000), {mBitmaps, false, false});
  EXPECT_EQ(GetFarClip(), Units(1000));
  EXPECT_EQ(gDrawSettings.fogThreshold, Units(850));
  EXPECT_EQ(gDrawSettings.flatThreshold, Units(700));
  EXPECT_EQ(gDrawSettings.fogRange, Units(151));
  EXPECT_EQ(gDrawSettings.shadeTable, Pixels(kDayShadeBitmap));
  EXPECT_EQ(gDrawSettings.shadeRows, 32);
  EXPECT_EQ(gDrawSettings.translucencyTable, Pixels(kDayShadeBitmap));
  EXPECT_EQ(GetClearColour(), 0x3A3A3A3Au);
  EXPECT_EQ(GetViewDistance(), Units(1000));
  EXPECT_EQ(GetViewDistanceLook().bitmaps, mBitmaps);
}

TEST_F(ViewDistanceTest, NightShadesButKeepsTheDayTranslucency) {
  LoadBitmaps();
  SetViewDistance(Units(500), {mBitmaps, true, false});
  EXPECT_EQ(gDrawSettings.shadeTable, Pixels(kNightShadeBitmap));
  EXPECT_EQ(gDrawSettings.translucencyTable, Pixels(kDayShadeBitmap));
  EXPECT_EQ(GetClearColour(), 0x31313131u);
  EXPECT_TRUE(GetViewDistanceLook().night);
}

TEST_F(ViewDistanceTest, NoGroundClearsToBlack) {
  LoadBitmaps();
  SetNoGround(1);
  SetViewDistance(Units(500), {mBitmaps, false, false});
  EXPECT_EQ(GetClearColour(), 0u);
}

TEST_F(ViewDistanceTest, TablesThatAreNotRowsOf256AreNone) {
  LoadBitmaps(128);
  SetViewDistance(Units(500), {mBitmaps, true, false});
  EXPECT_EQ(gDrawSettings.shadeTable, nullptr);
  EXPECT_EQ(gDrawSettings.shadeRows, 0);
  EXPECT_EQ(gDrawSettings.translucencyTable, Pixels(kDayShadeBitmap));
}

TEST_F(ViewDistanceTest, WithoutBitmapsEveryTableIsNone) {
  SetViewDistance(Units(500), {nullptr, false, false});
  EXPECT_EQ(gDrawSettings.shadeTable, nullptr);
  EXPECT_EQ(gDrawSettings.translucencyTable, nullptr);
  EXPECT_EQ(GetFarClip(), Units(500));
}

}  // namespace
