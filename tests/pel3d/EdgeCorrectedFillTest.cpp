#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/EdgeCorrectedFill.h"
#include "pel3d/raster/CorrectedEdge.h"
#include "pel3d/raster/ScanConverter.h"
#include "pel3d/raster/TexturedFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 40;
constexpr int32_t kHeight = 12;
constexpr int32_t kPitch = 48;
constexpr uint32_t kSide = 64;
constexpr uint8_t kBackground = 250;

struct EdgeCase {
  std::string name;
  ScreenVertex a, b;
  int32_t rows;
  std::vector<Fixedpoint> u;  // the chain's u on each row of the edge
};

class PerspectiveEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(PerspectiveEdgeTest, GivesUOnEveryRow) {
  const EdgeCase& c = GetParam();
  CorrectedEdge edge;
  ChainPoint at;
  edge.SetUp(c.a, c.b, c.rows, at);
  std::vector<Fixedpoint> u{at.u};
  for (int32_t row = 1; row < c.rows; ++row) {
    edge.Step(at);
    u.push_back(at.u);
  }
  EXPECT_EQ(u, c.u);
}

ScreenVertex At(double y, double z, double u) { return {Px(10), Px(y), Fix(z), Fix(u), Fix(u)}; }

INSTANTIATE_TEST_SUITE_P(
    Edges, PerspectiveEdgeTest,
    ::testing::Values(
        // Equal depths keep Q constant: t = s, u linear down the edge.
        EdgeCase{"EqualDepthsAreLinear", At(0, 2, 0), At(4, 2, 40), 4, {0, Fix(10), Fix(20), Fix(30)}},
        // From depth 1.0 to 3.0, half-way down: P = 0.5, Q = 2.0, t = 0.25.
        EdgeCase{"HalfWayFromOneToThree", At(0, 1, 0), At(2, 3, 64), 2, {0, Fix(16)}},
        // Rows 0 and 1 of an edge from y 0.0 to 2.5: the vertex's own u, then s = 0.4
        // (t = 0.4 / 2.2 = 0.18, short by the truncations of s and the steps).
        EdgeCase{"TwoAndAHalfRows", At(0, 1, 0), At(2.5, 3, 100), 2, {0, 1191100}},
        // An upper vertex inside its row: the rows start at the tops of rows 1 and 2 (s = 1/6
        // and 1/2; the first a little long from the truncation of s at the top of row 0).
        EdgeCase{"UpperVertexInsideItsRow", At(0.5, 2, 0), At(3.5, 2, 30), 3, {0, 327840, Fix(15)}}),
    CaseName<EdgeCase>);

TEST(CorrectedEdge, DepthOfZeroKeepsTheCoordinates) {
  CorrectedEdge edge;
  ChainPoint at;
  edge.SetUp(At(0, 0, 5), At(3, 0, 60), 3, at);
  edge.Step(at);
  EXPECT_EQ(at.u, Fix(5));
}

// A 64 x 64 texture whose texel is its row, so a pixel names the row of v it shows.
class EdgeCorrectedFillTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
    for (uint32_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i / kSide);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  void Draw(std::vector<ScreenVertex> polygon, void (*fill)(const DrawBlock&) = DrawTexturedPolygonEdgeCorrected) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, &bitmap, nullptr, nullptr};
    fill(block);
  }

  std::vector<int> Column(int32_t x, int32_t rows) const {
    std::vector<int> column;
    for (int32_t y = 0; y < rows; ++y) column.push_back(frame.At(x, y));
    return column;
  }

  std::vector<uint8_t> pixels = std::vector<uint8_t>(kSide * kSide);
  Bitmap bitmap{kSide, kSide, 0, pixels.data(), nullptr};
  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

// A square four rows high receding from depth 1.0 at its top to 3.0 at its bottom, v from
// 0 to 63 down both edges.
std::vector<ScreenVertex> RecedingSquare() {
  return {{0, 0, Fix(1), 0, 0}, {Px(8), 0, Fix(1), 0, 0}, {Px(8), Px(4), Fix(3), 0, Fix(63)}, {0, Px(4), Fix(3), 0, Fix(63)}};
}

TEST_F(EdgeCorrectedFillTest, RowsStartWithThePerspectiveCorrectV) {
  Draw(RecedingSquare());
  // s = 0, 1/4, 1/2, 3/4 give t = 0, 0.1, 0.25, 0.5.
  EXPECT_EQ(Column(0, 5), (std::vector<int>{0, 6, 15, 31, kBackground}));
  frame.Clear(kBackground);
  Draw(RecedingSquare(), DrawTexturedPolygon);
  EXPECT_EQ(Column(0, 5), (std::vector<int>{0, 15, 31, 47, kBackground}));
}

std::vector<ScreenVertex> Span(double x0, double x1, Fixedpoint v0, Fixedpoint v1) {
  return {{Px(x0), 0, Fix(1), 0, v0}, {Px(x1), 0, Fix(1), 0, v1}, {Px(x1), Px(1), Fix(1), 0, v1}, {Px(x0), Px(1), Fix(1), 0, v0}};
}

std::vector<int> FirstRow(const GuardedFrameBuffer& frame, int32_t count) { return frame.RowPixels(0, 0, count); }

TEST_F(EdgeCorrectedFillTest, SpanCarriesAllSixteenBitsOfV) {
  // v 5.5 falling by 0.25 a pixel: the fraction starts at 0x8000 and borrows after the third pixel.
  Draw(Span(0, 4, Fix(5.5), Fix(4)));
  EXPECT_EQ(FirstRow(frame, 5), (std::vector<int>{5, 5, 5, 4, kBackground}));
  // A step of 0x40 from a fraction of 0xFFC0 carries at once; the upper byte alone never would.
  frame.Clear(kBackground);
  Draw(Span(0, 2, Fix(5) + 0xFFC0, Fix(5) + 0xFFC0 + 256));
  EXPECT_EQ(FirstRow(frame, 3), (std::vector<int>{5, 6, kBackground}));
  frame.Clear(kBackground);
  Draw(Span(0, 2, Fix(5) + 0xFFC0, Fix(5) + 0xFFC0 + 256), DrawTexturedPolygon);
  EXPECT_EQ(FirstRow(frame, 3), (std::vector<int>{5, 5, kBackground}));
}

TEST_F(EdgeCorrectedFillTest, RowsWhoseLeftEndIsBelowColumnZeroAreLeftOut) {
  Draw({{Px(-2), 0, Fix(1), 0, 0}, {Px(6), 0, Fix(1), 0, 0}, {Px(6), Px(3), Fix(1), 0, 0}, {Px(-2), Px(3), Fix(1), 0, 0}});
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
  // A left edge from x -0.5 that slants right: its first row is left out, the next drawn.
  Draw({{Px(-0.5), 0, Fix(1), 0, 0}, {Px(6), 0, Fix(1), 0, 0}, {Px(6), Px(3), Fix(1), 0, 0}, {Px(1.5), Px(3), Fix(1), 0, 0}});
  EXPECT_EQ(frame.At(0, 0), kBackground);
  EXPECT_EQ(frame.At(5, 0), kBackground);
  EXPECT_EQ(frame.At(0, 1), 0);
}

TEST_F(EdgeCorrectedFillTest, EqualDepthsDrawAsTheAffineFill) {
  const std::vector<ScreenVertex> triangle{{Px(3), Px(1), Fix(2), Fix(2), Fix(60)},
                                           {Px(35), Px(4), Fix(2), Fix(63), Fix(1)},
                                           {Px(20), Px(11), Fix(2), Fix(30), Fix(30)}};
  Draw(triangle, DrawTexturedPolygon);
  const std::vector<uint8_t> affine(frame.ViewPixels(), frame.ViewPixels() + kPitch * kHeight);
  frame.Clear(kBackground);
  Draw(triangle);
  int32_t differing = 0;
  for (std::size_t i = 0; i < affine.size(); ++i) differing += frame.ViewPixels()[i] != affine[i];
  // Only the rounding of the edge walk and v's wider fraction may move a pixel by a row.
  EXPECT_LT(differing, 12);
}

TEST_F(EdgeCorrectedFillTest, NothingWithoutABitmap) {
  std::vector<ScreenVertex> square = RecedingSquare();
  DrawBlock block{4, square.data(), 0, nullptr, nullptr, nullptr};
  DrawTexturedPolygonEdgeCorrected(block);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
