#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/GouraudFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 24;
constexpr int32_t kHeight = 8;
constexpr int32_t kPitch = 32;
constexpr uint8_t kBackground = 250;

// A one-row polygon from x0 to x1 on row 0, the left corners of colour c0 and the right
// ones of c1, all at the depth z.
std::vector<ScreenVertex> Span(double x0, double x1, double c0, double c1, Fixedpoint z = Fix(1)) {
  return {{Px(x0), 0, z, Fix(c0), 0}, {Px(x1), 0, z, Fix(c1), 0}, {Px(x1), Px(1), z, Fix(c1), 0}, {Px(x0), Px(1), z, Fix(c0), 0}};
}

class GouraudFillTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  void Draw(std::vector<ScreenVertex> polygon, void (*fill)(const DrawBlock&)) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, nullptr, nullptr, nullptr};
    fill(block);
  }

  std::vector<int> Row(int32_t y, int32_t from, int32_t count) const { return frame.RowPixels(from, y, count); }

  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

struct DitherCase {
  std::string name;
  std::vector<ScreenVertex> polygon;
  int32_t left;
  std::vector<int> pixels;  // the row's pixels from left on, then the background
};

class GouraudDitherTest : public GouraudFillTest, public ::testing::WithParamInterface<DitherCase> {};

TEST_P(GouraudDitherTest, WritesTheDitheredIndices) {
  const DitherCase& c = GetParam();
  Draw(c.polygon, FillPolygonGouraud);
  std::vector<int> expected = c.pixels;
  expected.push_back(kBackground);
  EXPECT_EQ(Row(0, c.left, static_cast<int32_t>(expected.size())), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, GouraudDitherTest,
    ::testing::Values(
        // The step over the span's width plus two pixels is exactly 1.0.
        DitherCase{"TenToTwenty", Span(0, 8, 10, 20), 0, {9, 11, 11, 13, 13, 15, 15, 17}},
        DitherCase{"EvenPixelsHalfDown", Span(2, 8, 12, 12), 2, {11, 12, 11, 12, 11, 12}},
        // The first shade of a ramp dithers into the last shade of the ramp before it.
        DitherCase{"FirstOfARamp", Span(0, 4, 16, 16), 0, {15, 16, 15, 16}},
        DitherCase{"HalfwayStaysPut", Span(0, 5, 12.5, 12.5), 0, {12, 12, 12, 12, 12}},
        DitherCase{"OnePixel", Span(3, 4, 7.25, 30), 3, {6}},
        // A shade of 0 dithers below the palette: the low eight bits, 255.
        DitherCase{"ShadeZeroWraps", Span(0, 4, 0, 0), 0, {255, 0, 255, 0}}),
    CaseName<DitherCase>);

TEST_F(GouraudFillTest, ColourStepsDownTheEdgesAndTheDitherStartsEveryRowAlike) {
  // Colour 10 at the top, 18 four rows down: 2.0 per row on both edges.
  Draw({{0, 0, Fix(1), Fix(10), 0}, {Px(2), 0, Fix(1), Fix(10), 0}, {Px(2), Px(4), Fix(1), Fix(18), 0},
        {0, Px(4), Fix(1), Fix(18), 0}},
       FillPolygonGouraud);
  for (int32_t y = 0; y < 4; ++y) EXPECT_EQ(Row(y, 0, 3), (std::vector<int>{9 + 2 * y, 10 + 2 * y, kBackground})) << y;
  EXPECT_EQ(Row(4, 0, 2), (std::vector<int>{kBackground, kBackground}));
}

TEST_F(GouraudFillTest, DitherIsAnchoredToEachSpansLeftEnd) {
  // A triangle whose left edge moves one pixel a row: every row starts with 11.
  Draw({{Px(1), 0, Fix(1), Fix(12), 0}, {Px(12), 0, Fix(1), Fix(12), 0}, {Px(12), Px(6), Fix(1), Fix(12), 0}},
       FillPolygonGouraud);
  for (int32_t y = 0; y < 5; ++y) {
    int32_t x = 0;
    while (frame.At(x, y) == kBackground) ++x;
    EXPECT_EQ(Row(y, x, 2), (std::vector<int>{11, 12})) << y;
  }
}

// A shade table whose row L maps colour c to (c + 16 L) & 0xFF: the pixel tells its row.
class GouraudFogTest : public GouraudFillTest {
protected:
  void SetUp() override {
    GouraudFillTest::SetUp();
    for (std::size_t i = 0; i < shade.size(); ++i) shade[i] = static_cast<uint8_t>((i % 256 + 16 * (i / 256)) & 0xFF);
    SetShadeTable(shade.data(), 32);
    SetFogThreshold(Fix(100));
    SetFogRange(Fix(32));  // a level of 1.0 per unit of depth
  }

  // 256 more bytes than 32 rows, holding the sentinel: reading past row 31 would show.
  std::vector<uint8_t> shade = std::vector<uint8_t>(33 * 256, 0xEE);
};

TEST_F(GouraudFogTest, DitheredIndexGoesThroughTheShadeRowOfItsLevel) {
  Draw(Span(0, 8, 10, 20, Fix(103)), FillPolygonGouraudFog);
  EXPECT_EQ(Row(0, 0, 8), (std::vector<int>{57, 59, 59, 61, 61, 63, 63, 65}));
  frame.Clear(kBackground);
  Draw(Span(0, 8, 10, 20, Fix(50)), FillPolygonGouraudFog);  // nearer than the fog: row 0
  EXPECT_EQ(Row(0, 0, 8), (std::vector<int>{9, 11, 11, 13, 13, 15, 15, 17}));
}

TEST_F(GouraudFogTest, IndexBelowZeroOrAboveTheRowUsesItsLowEightBits) {
  Draw(Span(0, 4, 0, 0, Fix(103)), FillPolygonGouraudFog);
  EXPECT_EQ(Row(0, 0, 4), (std::vector<int>{(255 + 48) & 0xFF, 48, (255 + 48) & 0xFF, 48}));
  frame.Clear(kBackground);
  Draw(Span(0, 2, 300, 300, Fix(131.9)), FillPolygonGouraudFog);  // level 31, index 299 and 300
  EXPECT_EQ(Row(0, 0, 2), (std::vector<int>{(299 + 16 * 31) & 0xFF, (300 + 16 * 31) & 0xFF}));
}

TEST_F(GouraudFogTest, NothingWithoutAFullShadeTable) {
  SetShadeTable(shade.data(), 31);
  Draw(Span(0, 8, 10, 20, Fix(103)), FillPolygonGouraudFog);
  SetShadeTable(nullptr, 32);
  Draw(Span(0, 8, 10, 20, Fix(103)), FillPolygonGouraudFog);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

TEST_F(GouraudFillTest, OneOrTwoVerticesDrawNothing) {
  auto polygon = Span(0, 8, 10, 20);
  for (int32_t count : {0, 1, 2}) {
    DrawBlock block{count, polygon.data(), 0, nullptr, nullptr, nullptr};
    FillPolygonGouraud(block);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
