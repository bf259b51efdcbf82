#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/FogFills.h"
#include "pel3d/raster/FogLevel.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 40;
constexpr int32_t kHeight = 8;
constexpr int32_t kPitch = 48;
constexpr uint8_t kBackground = 255;

// Fog of view distance 1000.0, as the world sets it: threshold 850.0, range 151.0.
void SetFogOfDistance1000() {
  SetFogThreshold(Fix(850));
  SetFogRange(Fix(151));
}

struct LevelCase {
  std::string name;
  Fixedpoint depth;
  int32_t row;  // the shade-table row of the level
};

class VertexFogLevelTest : public DrawTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(VertexFogLevelTest, SelectsTheRowOfItsDepth) {
  SetFogOfDistance1000();
  EXPECT_EQ(VertexFogLevel(GetParam().depth) >> 16, GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Depths, VertexFogLevelTest,
                         ::testing::Values(LevelCase{"NearerThanTheThreshold", Fix(10), 0},
                                           LevelCase{"AtTheThreshold", Fix(850), 0},
                                           LevelCase{"HalfTheRange", Fix(850 + 75.5), 16},
                                           LevelCase{"ViewDistance", Fix(1000), 31},
                                           // Faces that were not far-clipped stay on the last row.
                                           LevelCase{"JustBeyondTheRange", Fix(1001), 31},
                                           LevelCase{"FarBeyond", 0x7FFFFFFF, 31}),
                         CaseName<LevelCase>);

TEST_F(DrawTest, HalfTheFogRangeIsLevelSixteenExactly) {
  SetFogThreshold(Fix(100));
  SetFogRange(Fix(40));
  EXPECT_EQ(VertexFogLevel(Fix(120)), Fix(16));
  EXPECT_EQ(VertexFogLevel(Fix(1e4)), kHighestFogLevel);
}

struct SpanLevelCase {
  std::string name;
  int32_t left, right, count;
  std::vector<int32_t> rows;
};

class SpanFogTest : public ::testing::TestWithParam<SpanLevelCase> {};

TEST_P(SpanFogTest, RowsOfThePixels) {
  const SpanLevelCase& c = GetParam();
  const SpanFog fog = SpanFogLevels(c.left, c.right, c.count);
  std::vector<int32_t> rows;
  for (int32_t k = 0; k < c.count; ++k) rows.push_back((fog.level + k * fog.step) >> 16);
  EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, SpanFogTest,
    ::testing::Values(SpanLevelCase{"ZeroToFiveOverTen", 0, Fix(5), 10, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}},
                      SpanLevelCase{"FallingFromZero", 0, -Fix(5), 4, {0, 0, 0, 0}},
                      SpanLevelCase{"NegativeLeft", -Fix(1), Fix(8), 3, {0, 0, 0}},
                      SpanLevelCase{"Falling", Fix(9), Fix(5), 4, {9, 8, 7, 6}},
                      SpanLevelCase{"OnePixel", Fix(7.5), Fix(30), 1, {7}}),
    CaseName<SpanLevelCase>);

class FogFillTest : public FogDrawTest {
protected:
  void SetUp() override {
    FogDrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    FogDrawTest::TearDown();
  }

  void Draw(std::vector<ScreenVertex> polygon, void (*fill)(const DrawBlock&), uint32_t word = 3) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), word, &texture, nullptr, nullptr};
    fill(block);
  }

  // A rectangle of whole pixels whose left side lies at depth left and right side at right.
  static std::vector<ScreenVertex> Rectangle(int32_t x0, int32_t x1, int32_t rows, Fixedpoint left, Fixedpoint right) {
    return {{Px(x0), 0, left, 0, 0}, {Px(x1), 0, right, Fix(3), 0}, {Px(x1), Px(rows), right, Fix(3), Fix(3)},
            {Px(x0), Px(rows), left, 0, Fix(3)}};
  }

  std::vector<uint8_t> texels{0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7};
  Bitmap texture{4, 4, 0, texels.data(), nullptr};
  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

TEST_F(FogFillTest, PolygonNearerThanTheThresholdUsesRowZero) {
  Draw(Rectangle(0, 10, 4, Fix(20), Fix(99)), FillPolygonFlatFog);
  EXPECT_EQ(frame.CountOf(3), 40);
}

TEST_F(FogFillTest, FlatFillStepsTheLevelAcrossTheSpan) {
  // Levels 0 at the left, 16.0 (half the range) at the right, over 8 pixels: steps of 2.0.
  Draw(Rectangle(0, 8, 1, Fix(100), Fix(132)), FillPolygonFlatFog);
  for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(frame.At(x, 0), 2 * x * 8 + 3) << x;
}

TEST_F(FogFillTest, TexturedFillFogsEveryTexelZeroIncluded) {
  Draw(Rectangle(0, 2, 1, Fix(132), Fix(132)), DrawTexturedPolygonFog);
  EXPECT_EQ(frame.At(0, 0), 16 * 8 + 0);  // texel 0 at level 16, drawn
}

TEST_F(FogFillTest, DepthsBeyondTheViewDistanceStayInsideTheTable) {
  // Far beyond the range and without a far clip, every level is held at the last row.
  Draw(Rectangle(0, 10, 3, Fix(30000), 0x7FFF0000), FillPolygonFlatFog);
  Draw(Rectangle(10, 20, 3, 0x7FFF0000, Fix(30000)), DrawTexturedPolygonFog);
  for (int32_t x = 0; x < 20; ++x) EXPECT_EQ(frame.At(x, 1) / 8, 31) << x;
}

TEST_F(FogFillTest, NothingIsDrawnWithoutAWholeShadeTable) {
  for (int32_t rows : {0, 31}) {
    SetShadeTable(rows ? shade.data() : nullptr, rows);
    Draw(Rectangle(0, 10, 4, Fix(20), Fix(20)), FillPolygonFlatFog);
    Draw(Rectangle(0, 10, 4, Fix(20), Fix(20)), DrawTexturedPolygonFog);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
