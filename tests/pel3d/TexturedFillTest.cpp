#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "FillFixture.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/TexturedFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 80;
constexpr int32_t kHeight = 16;
constexpr int32_t kPitch = 96;
constexpr uint32_t kSide = 64;
constexpr uint8_t kBackground = 250;

// A 64 x 64 texture whose texel tells its place: the row in the high bits, the column in
// the low ones, so that a pixel names the texel it shows.
struct PlaceTexture {
  std::vector<uint8_t> pixels = std::vector<uint8_t>(kSide * kSide);
  Bitmap bitmap{kSide, kSide, 0, pixels.data(), nullptr};
  PlaceTexture() {
    for (uint32_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i);
  }
};

// The four corners of a one-row span from x0 to x1 on row 0, u and v given at each end.
std::vector<ScreenVertex> Span(double x0, double x1, double u0, double u1, double v0, double v1) {
  return {{Px(x0), 0, 0, Fix(u0), Fix(v0)},
          {Px(x1), 0, 0, Fix(u1), Fix(v1)},
          {Px(x1), Px(1), 0, Fix(u1), Fix(v1)},
          {Px(x0), Px(1), 0, Fix(u0), Fix(v0)}};
}

class TexturedFillTest : public FillTest<kWidth, kHeight, kPitch, kBackground> {
protected:
  void Draw(std::vector<ScreenVertex> polygon, void (*fill)(const DrawBlock&), const Bitmap* bitmap,
            const Face* face = nullptr) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, bitmap, nullptr, face};
    fill(block);
  }

  // The (row, column) of the texel each pixel of row 0 shows, from x on.
  std::vector<std::pair<int, int>> TexelsFrom(int32_t x, int32_t count) const {
    std::vector<std::pair<int, int>> texels;
    for (int32_t i = 0; i < count; ++i) {
      const uint8_t texel = frame.At(x + i, 0);
      texels.emplace_back(texel / kSide, texel % kSide);
    }
    return texels;
  }

  PlaceTexture texture;
};

struct SpanCase {
  std::string name;
  std::vector<ScreenVertex> polygon;
  int32_t left;
  std::vector<int> rows;  // the texel rows of the first pixels
  std::vector<int> columns;  // and their columns
  int32_t covered;
};

// Rows and columns as the texture names them (row r, column c is texel r * 64 + c; the
// texture wraps its indices at 256, so rows are taken modulo 4).
class AffineSpanTest : public TexturedFillTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(AffineSpanTest, ShowsTheTexelsOfTheStepping) {
  const SpanCase& c = GetParam();
  for (auto fill : {DrawTexturedPolygon, DrawTexturedPolygonKeyed}) {
    frame.Clear(kBackground);
    Draw(c.polygon, fill, &texture.bitmap);
    const auto texels = TexelsFrom(c.left, static_cast<int32_t>(c.rows.size()));
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      EXPECT_EQ(texels[i].first, c.rows[i] % 4) << "pixel " << i;
      EXPECT_EQ(texels[i].second, c.columns[i]) << "pixel " << i;
    }
    EXPECT_EQ(kWidth * kHeight - frame.CountOf(kBackground), c.covered);
  }
}

std::vector<int> Count(int from, int to, int step = 1) {
  std::vector<int> values;
  for (int i = from; values.size() < static_cast<std::size_t>(to - from + 1); i += step) values.push_back(i);
  return values;
}

INSTANTIATE_TEST_SUITE_P(
    Spans, AffineSpanTest,
    ::testing::Values(
        // du is exactly 1.0 over 32 pixels: texels 0 to 29, 30 and 31 never read.
        SpanCase{"ThirtyPixelsOverThirtyTwoTexels", Span(10, 40, 0, 32, 2, 2), 10, std::vector<int>(30, 2),
                 Count(0, 29), 30},
        SpanCase{"CarryOfV", Span(10, 40, 3, 3, 5.5, 21.5), 10, {5, 6, 6, 7}, {3, 3, 3, 3}, 30},
        SpanCase{"BorrowOfV", Span(10, 40, 3, 3, 21.5, 5.5), 10, {21, 21, 20, 20}, {3, 3, 3, 3}, 30},
        SpanCase{"VFallsOneRowAPixel", Span(10, 40, 1, 1, 40, 8), 10, {40, 39, 38, 37, 36}, {1, 1, 1, 1, 1}, 30},
        SpanCase{"EqualVStaysOnItsRow", Span(0, 20, 0, 44, 7.9, 7.9), 0, std::vector<int>(20, 7), Count(0, 19, 2), 20},
        SpanCase{"OnePixel", Span(5, 6, 9, 60, 1, 50), 5, {1}, {9}, 1}),
    CaseName<SpanCase>);

TEST_F(TexturedFillTest, TransparentFaceKeepsThePixelsOfTexelZero) {
  texture.pixels[2 * kSide + 4] = 0;  // the texel of the span's fifth pixel
  Face transparent;
  transparent.flags = kFaceTransparent;
  Face opaque;
  const auto polygon = Span(10, 40, 0, 32, 2, 2);
  Draw(polygon, DrawTexturedPolygonKeyed, &texture.bitmap, &transparent);
  EXPECT_EQ(frame.At(14, 0), kBackground);
  EXPECT_EQ(frame.At(15, 0), 2 * kSide + 5);
  Draw(polygon, DrawTexturedPolygonKeyed, &texture.bitmap, &opaque);
  EXPECT_EQ(frame.At(14, 0), 0);
  frame.Clear(kBackground);
  Draw(polygon, DrawTexturedPolygon, &texture.bitmap);
  EXPECT_EQ(frame.At(14, 0), 0);
}

TEST_F(TexturedFillTest, KeyedFillOfAnOpaqueFaceDrawsAsThePlainFill) {
  const std::vector<ScreenVertex> triangle{{Px(3), Px(1), 0, Fix(2), Fix(60)},
                                           {Px(70), Px(4), 0, Fix(63), Fix(1)},
                                           {Px(20), Px(15), 0, Fix(30), Fix(30)}};
  Draw(triangle, DrawTexturedPolygon, &texture.bitmap);
  const std::vector<uint8_t> plain(frame.ViewPixels(), frame.ViewPixels() + kPitch * kHeight);
  frame.Clear(kBackground);
  Face opaque;
  Draw(triangle, DrawTexturedPolygonKeyed, &texture.bitmap, &opaque);
  EXPECT_EQ(std::vector<uint8_t>(frame.ViewPixels(), frame.ViewPixels() + kPitch * kHeight), plain);
}

TEST_F(TexturedFillTest, CoordinatesOutsideTheBitmapAreHeldToItsEdges) {
  // A 4 x 4 bitmap in a buffer of its own size: any read past it would show in the
  // sanitizer run, and every pixel shows one of its texels.
  std::vector<uint8_t> pixels(16);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i + 1);
  const Bitmap small{4, 4, 0, pixels.data(), nullptr};
  const std::vector<ScreenVertex> polygon{{Px(0), Px(0), 0, Fix(-9), Fix(-9)},
                                          {Px(79), Px(0), 0, Fix(300), Fix(-2)},
                                          {Px(79), Px(16), 0, Fix(300), Fix(900)},
                                          {Px(0), Px(16), 0, Fix(-40000), Fix(900)}};
  Draw(polygon, DrawTexturedPolygon, &small);
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < 79; ++x) {
      ASSERT_GE(frame.At(x, y), 1) << x << "," << y;
      ASSERT_LE(frame.At(x, y), 16) << x << "," << y;
    }
  }
  EXPECT_EQ(frame.At(0, 0), 1);  // u and v held at 0
}

TEST_F(TexturedFillTest, NothingIsDrawnWithoutAUsableBitmap) {
  const Bitmap empty{64, 64, 0, nullptr, nullptr};
  const Bitmap noWidth{0, 64, 0, texture.pixels.data(), nullptr};
  const Bitmap huge{4096, 4096, 0, texture.pixels.data(), nullptr};
  for (const Bitmap* bitmap : {&empty, &noWidth, &huge, static_cast<const Bitmap*>(nullptr)}) {
    Draw(Span(0, 20, 0, 10, 0, 10), DrawTexturedPolygon, bitmap);
    Draw(Span(0, 20, 0, 10, 0, 10), DrawTexturedPolygonKeyed, bitmap);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
