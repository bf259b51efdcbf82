#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/FlatFills.h"
#include "pel3d/raster/ScanConverter.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 80;
constexpr int32_t kHeight = 48;
constexpr int32_t kPitch = 96;
constexpr uint8_t kColour = 100;

ScreenVertex At(double x, double y) { return {Px(x), Px(y), 0, 0, 0}; }

// Counts how often each pixel is covered, through the shared scan converter.
struct CoverageSpan {
  std::vector<int>& hits;
  const uint8_t* base;
  void operator()(uint8_t* row, int32_t left, int32_t count) {
    const std::ptrdiff_t start = row - base + left;
    for (int32_t i = 0; i < count; ++i) ++hits[static_cast<std::size_t>(start + i)];
  }
};

class RasterTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
  }

  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  // How often each pixel of the view (index y * pitch + x) is covered by the polygons.
  std::vector<int> Coverage(const std::vector<std::vector<ScreenVertex>>& polygons) {
    std::vector<int> hits(static_cast<std::size_t>(kPitch * kHeight), 0);
    CoverageSpan span{hits, frame.Pixels()};
    for (const auto& polygon : polygons) {
      ScanPolygon<ScanRules{}>(polygon.data(), static_cast<int32_t>(polygon.size()), span);
    }
    return hits;
  }

  void Fill(std::vector<ScreenVertex> polygon, void (*fill)(const DrawBlock&), const Bitmap* bitmap = nullptr) {
    DrawBlock block;
    block.vertexCount = static_cast<int32_t>(polygon.size());
    block.vertices = polygon.data();
    block.word = 0x1200 | kColour;
    block.bitmap = bitmap;
    fill(block);
  }

  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

struct CoverageCase {
  std::string name;
  std::vector<ScreenVertex> polygon;
  int32_t covered;  // pixels covered once
  int32_t top, bottom, left, right;  // bounds of the covered pixels, inclusive
};

class CoverageTest : public RasterTest, public ::testing::WithParamInterface<CoverageCase> {};

TEST_P(CoverageTest, CoversThePixelsOfTheRule) {
  const CoverageCase& c = GetParam();
  const std::vector<int> hits = Coverage({c.polygon});
  int32_t covered = 0;
  int32_t top = kHeight, bottom = -1, left = kWidth, right = -1;
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kPitch; ++x) {
      const int hit = hits[static_cast<std::size_t>(y * kPitch + x)];
      ASSERT_LE(hit, 1);
      if (!hit) continue;
      ++covered;
      top = std::min(top, y), bottom = std::max(bottom, y), left = std::min(left, x), right = std::max(right, x);
    }
  }
  EXPECT_EQ(covered, c.covered);
  if (c.covered == 0) return;
  EXPECT_EQ(top, c.top);
  EXPECT_EQ(bottom, c.bottom);
  EXPECT_EQ(left, c.left);
  EXPECT_EQ(right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, CoverageTest,
    ::testing::Values(
        CoverageCase{"Square", {At(0, 0), At(10, 0), At(10, 10), At(0, 10)}, 100, 0, 9, 0, 9},
        CoverageCase{"ReversedSquare", {At(0, 10), At(10, 10), At(10, 0), At(0, 0)}, 0, 0, 0, 0, 0},
        CoverageCase{"HorizontalTopEdge", {At(2, 3), At(12, 3), At(12, 8), At(2, 8)}, 50, 3, 7, 2, 11},
        CoverageCase{"WithinOneRow", {At(1, 5), At(20, 5.5), At(3, 5.99)}, 0, 0, 0, 0, 0},
        CoverageCase{"TwoVertices", {At(1, 1), At(20, 30)}, 0, 0, 0, 0, 0},
        CoverageCase{"OneVertex", {At(1, 1)}, 0, 0, 0, 0, 0},
        CoverageCase{"None", {}, 0, 0, 0, 0, 0},
        CoverageCase{"ShortEdge", {At(0, 0.5), At(10, 0.9), At(10, 4), At(0, 4)}, 40, 0, 3, 0, 9}),
    CaseName<CoverageCase>);

TEST_F(RasterTest, TrianglesSharingADiagonalCoverEachPixelOnce) {
  const std::vector<int> hits = Coverage({{At(0, 0), At(10, 0), At(10, 10)}, {At(0, 0), At(10, 10), At(0, 10)}});
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kPitch; ++x) {
      EXPECT_EQ(hits[static_cast<std::size_t>(y * kPitch + x)], x < 10 && y < 10 ? 1 : 0) << x << "," << y;
    }
  }
}

TEST_F(RasterTest, NonConvexPolygonStaysWithinItsRows) {
  // The left chain meets an edge going up, which is skipped instead of counted down forever.
  Fill({At(0, 0), At(20, 0), At(20, 20), At(10, 5), At(0, 10)}, FillPolygonFlat);
  EXPECT_EQ(frame.At(0, 0), kColour);
  for (int32_t y = 20; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) ASSERT_EQ(frame.At(x, y), 0) << x << "," << y;
  }
}

TEST_F(RasterTest, FlatFillWritesTheLowByteOfTheWord) {
  Fill({At(3, 2), At(10, 2), At(10, 3), At(3, 3)}, FillPolygonFlat);
  for (int32_t x = 0; x < 12; ++x) EXPECT_EQ(frame.At(x, 2), x >= 3 && x <= 9 ? kColour : 0) << x;
  EXPECT_EQ(frame.CountOf(kColour), 7);
}

TEST_F(RasterTest, NegativeSlopeAtTheLeftBorderNeverWritesBeforeTheRow) {
  // The left edge leans left to x = 0 and its rounding would take x below 0.
  const std::vector<ScreenVertex> polygon{{1, Px(1), 0, 0, 0}, At(30, 1), At(30, 40), {0, Px(40) + 7, 0, 0, 0}};
  for (auto fill : {FillPolygonFlat, FillPolygonFirstPixel, FillPolygonPattern}) {
    std::vector<uint8_t> pixels(64 * 64, kColour);
    const Bitmap bitmap{64, 64, 0, pixels.data(), nullptr};
    Fill(polygon, fill, &bitmap);
    EXPECT_EQ(frame.At(0, 20), kColour);
  }
}

TEST_F(RasterTest, FirstPixelFillTakesTheBitmapsFirstPixel) {
  std::vector<uint8_t> pixels{42, 43, 44, 45};
  const Bitmap bitmap{2, 2, 0, pixels.data(), nullptr};
  Fill({At(0, 0), At(4, 0), At(4, 4), At(0, 4)}, FillPolygonFirstPixel, &bitmap);
  EXPECT_EQ(frame.CountOf(42), 16);
}

TEST_F(RasterTest, FillsThatReadABitmapDrawNothingWithoutPixels) {
  std::vector<uint8_t> small(64 * 63, kColour);
  const Bitmap tooSmall{64, 63, 0, small.data(), nullptr};
  const Bitmap empty{64, 64, 0, nullptr, nullptr};
  const std::vector<ScreenVertex> square{At(0, 0), At(4, 0), At(4, 4), At(0, 4)};
  Fill(square, FillPolygonPattern, &tooSmall);
  Fill(square, FillPolygonPattern, &empty);
  Fill(square, FillPolygonPattern, nullptr);
  Fill(square, FillPolygonFirstPixel, &empty);
  Fill(square, FillPolygonFirstPixel, nullptr);
  EXPECT_EQ(frame.CountOf(0), kWidth * kHeight);
}

TEST_F(RasterTest, PatternIsAnchoredToThePolygonsTopAndEachSpansLeft) {
  std::vector<uint8_t> pixels(64 * 64);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i / 64 * 3 + i % 64 + 1);
  const Bitmap bitmap{64, 64, 0, pixels.data(), nullptr};
  Fill({At(0, 5), At(70, 5), At(70, 8), At(0, 8)}, FillPolygonPattern, &bitmap);
  Fill({At(0, 10), At(10, 10), At(10, 12), At(0, 12)}, FillPolygonPattern, &bitmap);
  struct Expected {
    int32_t x, y, patternRow, patternColumn;
  };
  for (const Expected& e : {Expected{0, 5, 0, 0}, Expected{63, 5, 0, 63}, Expected{64, 5, 0, 0}, Expected{69, 5, 0, 5},
                            Expected{70, 5, -1, -1}, Expected{5, 6, 1, 5}, Expected{0, 7, 2, 0},
                            Expected{0, 10, 0, 0}, Expected{9, 11, 1, 9}}) {
    const uint8_t expected = e.patternRow < 0 ? 0 : pixels[static_cast<std::size_t>(e.patternRow * 64 + e.patternColumn)];
    EXPECT_EQ(frame.At(e.x, e.y), expected)
        << e.x << "," << e.y;
  }
}

}  // namespace
