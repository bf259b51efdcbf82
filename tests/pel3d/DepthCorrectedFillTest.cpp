#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "DrawFixture.h"
#include "FillFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/DepthCorrectedFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 80;
constexpr int32_t kHeight = 40;
constexpr int32_t kPitch = 96;
constexpr uint32_t kSide = 64;
constexpr uint8_t kBackground = 250;

using Fill = void (*)(const DrawBlock&);

// A 64 x 64 texture of contiguous rows whose texel tells its place: row r, column c holds
// (64 r + c) mod 256, so a pixel names the column and the row modulo 4.
struct PlaceTexture {
  std::vector<uint8_t> pixels = std::vector<uint8_t>(kSide * kSide);
  Bitmap bitmap{kSide, kSide, 0, pixels.data(), nullptr};
  PlaceTexture() {
    for (uint32_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i);
  }
};

// The fourth word, the fifth word and the depth at one end of a span.
struct End {
  double fourth;
  double fifth;
  double z;
};

// The four corners of a one-row span on row 0 from x0 to x1.
std::vector<ScreenVertex> Span(double x0, double x1, End left, End right) {
  const auto corner = [](double x, double y, End end) {
    return ScreenVertex{Px(x), Px(y), Fix(end.z), Fix(end.fourth), Fix(end.fifth)};
  };
  return {corner(x0, 0, left), corner(x1, 0, right), corner(x1, 1, right), corner(x0, 1, left)};
}

class PerspectiveFillTest : public FillTest<kWidth, kHeight, kPitch, kBackground> {
protected:
  void Draw(std::vector<ScreenVertex> polygon, Fill fill, const Bitmap* bitmap) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, bitmap, nullptr, nullptr};
    fill(block);
  }

  // The (row modulo 4, column) of the texel that each of count pixels of a row shows.
  std::vector<std::pair<int, int>> TexelsFrom(int32_t x, int32_t y, int32_t count) const {
    std::vector<std::pair<int, int>> texels;
    for (int32_t i = 0; i < count; ++i) {
      const uint8_t texel = frame.At(x + i, y);
      texels.emplace_back(texel / kSide, texel % kSide);
    }
    return texels;
  }

  PlaceTexture texture;
};

std::vector<int> Count(int from, int to) {
  std::vector<int> values;
  for (int i = from; i <= to; ++i) values.push_back(i);
  return values;
}

struct SampleCase {
  std::string name;
  Fill fill;
  std::vector<ScreenVertex> polygon;
  int32_t left;
  std::vector<int> rows;  // the texel rows of the first pixels
  std::vector<int> columns;  // and their columns
};

class PerspectiveSampleTest : public PerspectiveFillTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(PerspectiveSampleTest, SamplesTheTexelsOfTheSubSpans) {
  const SampleCase& c = GetParam();
  Draw(c.polygon, c.fill, &texture.bitmap);
  const auto texels = TexelsFrom(c.left, 0, static_cast<int32_t>(c.columns.size()));
  for (std::size_t i = 0; i < c.columns.size(); ++i) {
    EXPECT_EQ(texels[i].first, c.rows[i] % 4) << "pixel " << i;
    EXPECT_EQ(texels[i].second, c.columns[i]) << "pixel " << i;
  }
}

// Twenty pixels from x 10 to 30, the column rising from 0 to 20 on row 2: a first sub-span
// of 4 pixels and one of 16 with sub-spans of 16, a single short one of 20 with 32.
const End kNearLeft{0, 2, 10};
const End kFarRight{20, 2, 30};
const End kNearRight{20, 2, 10};
// The same ends for the body fills, whose fifth word addresses the columns.
const End kNearLeftBody{2, 0, 10};
const End kFarRightBody{2, 20, 30};

INSTANTIATE_TEST_SUITE_P(
    Spans, PerspectiveSampleTest,
    ::testing::Values(
        SampleCase{"Sixteen_OneDepth", FillPolygonPerspective16, Span(10, 30, kNearLeft, kNearRight), 10,
                   std::vector<int>(20, 2), {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
        SampleCase{"Sixteen_TwoDepths", FillPolygonPerspective16, Span(10, 30, kNearLeft, kFarRight), 10,
                   std::vector<int>(20, 2), {0, 0, 0, 1, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18}},
        SampleCase{"ThirtyTwo_OneDepth", FillPolygonPerspective32, Span(10, 30, kNearLeft, kNearRight), 10,
                   std::vector<int>(20, 2), Count(0, 19)},
        SampleCase{"ThirtyTwo_TwoDepths", FillPolygonPerspective32, Span(10, 30, kNearLeft, kFarRight), 10,
                   std::vector<int>(20, 2), Count(0, 19)},
        SampleCase{"Body_TwoDepths", FillPolygonPerspectiveBody, Span(10, 30, kNearLeftBody, kFarRightBody), 10,
                   std::vector<int>(20, 2), {0, 0, 0, 1, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18}},
        SampleCase{"BodyTransparent_TwoDepths", FillPolygonPerspectiveBodyTransparent,
                   Span(10, 30, kNearLeftBody, kFarRightBody), 10, std::vector<int>(20, 2),
                   {0, 0, 0, 1, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18}},
        // Eight pixels, the row falling by half a row a pixel: from a whole row the row drops
        // every second pixel, from a quarter past it drops at once.
        SampleCase{"FallingRowFromWhole", FillPolygonPerspective16, Span(0, 8, {3, 5, 10}, {3, 1, 10}), 0,
                   {5, 5, 4, 4, 3, 3, 2, 2}, std::vector<int>(8, 3)},
        SampleCase{"FallingRowFromAQuarter", FillPolygonPerspective16, Span(0, 8, {3, 5.25, 10}, {3, 1.25, 10}), 0,
                   {5, 4, 4, 3, 3, 2, 2, 1}, std::vector<int>(8, 3)},
        SampleCase{"FallingRowOfTheBody", FillPolygonPerspectiveBody, Span(0, 8, {5.25, 3, 10}, {1.25, 3, 10}), 0,
                   {5, 4, 4, 3, 3, 2, 2, 1}, std::vector<int>(8, 3)},
        // One end, both fill families: the fourth word is the column of the band fills and
        // the row of the body fills.
        SampleCase{"FourthWordIsTheColumn", FillPolygonPerspective16, Span(0, 4, {3, 7, 10}, {3, 7, 10}), 0, {7},
                   {3}},
        SampleCase{"FourthWordIsTheRowOfTheBody", FillPolygonPerspectiveBody, Span(0, 4, {3, 7, 10}, {3, 7, 10}), 0,
                   {3}, {7}}),
    CaseName<SampleCase>);

// A span of exactly 16 pixels is one whole sub-span whose steps are shifts of the
// difference, which round towards minus infinity where a division would truncate: the row
// falls by 17/65536 over the sub-span from 16/65536 past row 5, so the shifted step of
// -2/65536 a pixel reaches row 5.0 at the ninth pixel, and the row drops there.
TEST_F(PerspectiveFillTest, WholeSubSpanStepsByShifts) {
  const double start = 5 + 16.0 / 65536, end = start - 17.0 / 65536;
  Draw(Span(0, 16, {1, start, 10}, {1, end, 10}), FillPolygonPerspective16, &texture.bitmap);
  const auto texels = TexelsFrom(0, 0, 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(texels[static_cast<std::size_t>(i)].first, i < 8 ? 1 : 0) << "pixel " << i;
}

TEST_F(PerspectiveFillTest, OnlyTheTransparentFillSkipsTexelZero) {
  texture.pixels[2 * kSide + 4] = 0;  // row 2, column 4: the eighth pixel of the two-depth span
  for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32, FillPolygonPerspectiveBody,
                    FillPolygonPerspectiveBodyTransparent}) {
    frame.Clear(kBackground);
    const bool body = fill == FillPolygonPerspectiveBody || fill == FillPolygonPerspectiveBodyTransparent;
    const bool thirtyTwo = fill == FillPolygonPerspective32;
    Draw(body ? Span(10, 30, kNearLeftBody, kFarRightBody) : Span(10, 30, kNearLeft, kFarRight), fill,
         &texture.bitmap);
    const int32_t x = thirtyTwo ? 14 : 17;  // where column 4 is sampled
    EXPECT_EQ(frame.At(x, 0), fill == FillPolygonPerspectiveBodyTransparent ? kBackground : 0);
    EXPECT_EQ(frame.At(29, 0), 2 * kSide + (thirtyTwo ? 19 : 18));
  }
}

// A rectangle whose left and right edges recede from depth 1 at y 0.5 to depth 3 at y 8.5,
// the column rising from 3 to 11 down them: the first row carries the upper vertices' own
// column, and every later row the column at the top of the row in perspective (linear
// stepping would give 3, 3, 4, 5, 6, 7, 8, 9).
TEST_F(PerspectiveFillTest, ChainsArePerspectiveCorrectOnEveryRow) {
  const std::vector<ScreenVertex> rectangle{{Px(2), Px(0.5), Fix(1), Fix(3), Fix(1)},
                                            {Px(30), Px(0.5), Fix(1), Fix(3), Fix(1)},
                                            {Px(30), Px(8.5), Fix(3), Fix(11), Fix(1)},
                                            {Px(2), Px(8.5), Fix(3), Fix(11), Fix(1)}};
  const std::vector<int> columns{3, 3, 3, 4, 4, 5, 6, 7};
  for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32}) {
    Draw(rectangle, fill, &texture.bitmap);
    for (int32_t y = 0; y < 8; ++y) {
      EXPECT_EQ(TexelsFrom(2, y, 1)[0].second, columns[static_cast<std::size_t>(y)]) << "row " << y;
    }
  }
}

// The body fills exchange the axes of a bitmap that is not square: the fourth word, which
// the body's texture coordinates scale by the width - 1, addresses the 16 rows, and the
// fifth, scaled by the height - 1, the first 16 of the 64 columns. The fourth word is held
// to the last row, so the left column runs down the rows (texel 16 r + c) and stops at the
// last instead of reading on past the bitmap.
TEST_F(PerspectiveFillTest, ExchangedAxesAreHeldToTheBitmap) {
  std::vector<uint8_t> pixels(64 * 16);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i / 64 * 16 + i % 16);
  const Bitmap wide{64, 16, 0, pixels.data(), nullptr};
  const std::vector<ScreenVertex> square{{Px(0), Px(0), Fix(2), Fix(0), Fix(0)},
                                         {Px(32), Px(0), Fix(2), Fix(0), Fix(15)},
                                         {Px(32), Px(32), Fix(2), Fix(63), Fix(15)},
                                         {Px(0), Px(32), Fix(2), Fix(63), Fix(0)}};
  for (Fill fill : {FillPolygonPerspectiveBody, FillPolygonPerspectiveBodyTransparent}) {
    frame.Clear(kBackground);
    Draw(square, fill, &wide);
    EXPECT_EQ(frame.At(0, 16), 7 * 16);  // row 15 x 16 / 32
    EXPECT_EQ(frame.At(0, 31), 14 * 16);  // row 15 x 31 / 32
    EXPECT_EQ(frame.At(31, 0), 14);  // column 15 x 31 / 32
  }
}

TEST_F(PerspectiveFillTest, CoordinatesOutsideTheBitmapAreHeldToItsEdges) {
  // A 4 x 4 bitmap in a buffer of its own size: any read past it would show in the
  // sanitizer run, and every pixel shows one of its texels.
  std::vector<uint8_t> pixels(16);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i + 1);
  const Bitmap small{4, 4, 0, pixels.data(), nullptr};
  const std::vector<ScreenVertex> polygon{{Px(0), Px(0), Fix(3), Fix(-9), Fix(-9)},
                                          {Px(79), Px(0), Fix(90), Fix(300), Fix(-2)},
                                          {Px(79), Px(40), Fix(3), Fix(300), Fix(900)},
                                          {Px(0), Px(40), Fix(500), Fix(-40000), Fix(900)}};
  for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32, FillPolygonPerspectiveBody,
                    FillPolygonPerspectiveBodyTransparent}) {
    Draw(polygon, fill, &small);
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < 79; ++x) {
        ASSERT_GE(frame.At(x, y), 1) << x << "," << y;
        ASSERT_LE(frame.At(x, y), 16) << x << "," << y;
      }
    }
  }
}

// Near the bitmap's top the floored steps of a falling coordinate overshoot: a row falling
// by 1/65536 over 16 pixels from 1/65536, or a column falling by 1/4096 from 1/4096, would
// step before the first pixel. The 4 x 4 bitmap sits in a buffer of its own size (the
// sanitizer run sees any read past it); such a fetch is capped at the last texel.
TEST_F(PerspectiveFillTest, WalkNearTheTopNeverReadsBeforeTheBitmap) {
  std::vector<uint8_t> pixels(16);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i + 1);
  const Bitmap small{4, 4, 0, pixels.data(), nullptr};
  constexpr double kRowStep = 1.0 / 65536, kColumnStep = 1.0 / 4096;
  const struct {
    std::vector<ScreenVertex> span;
    int32_t firstCapped;
  } cases[] = {{Span(0, 16, {2, kRowStep, 10}, {2, 0, 10}), 1}, {Span(0, 16, {kColumnStep, 0, 10}, {0, 0, 10}), 2}};
  for (const auto& c : cases) {
    frame.Clear(kBackground);
    Draw(c.span, FillPolygonPerspective16, &small);
    EXPECT_NE(frame.At(0, 0), 16);
    for (int32_t x = c.firstCapped; x < 16; ++x) EXPECT_EQ(frame.At(x, 0), 16) << x;
  }
}

// Depths of 0 and below, which no clipped polygon has, would divide by zero in the
// perspective fraction; they draw the polygon's texels without a fault.
TEST_F(PerspectiveFillTest, DepthsOfZeroAndBelowDrawInsideTheBitmap) {
  for (double z : {0.0, -5.0}) {
    for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32}) {
      frame.Clear(kBackground);
      Draw({{Px(0), Px(0), Fix(z), Fix(10), Fix(1)},
            {Px(40), Px(0), 0, Fix(50), Fix(1)},
            {Px(40), Px(30), Fix(z), Fix(50), Fix(60)},
            {Px(0), Px(30), 0, Fix(10), Fix(60)}},
           fill, &texture.bitmap);
      EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight - 40 * 30);
    }
  }
}

// The left edge runs down to a vertex just left of the view: stepping takes left x below
// 0, where it is held, so the column before each row is never written.
TEST_F(PerspectiveFillTest, LeftXIsHeldAtZero) {
  const std::vector<ScreenVertex> polygon{{Px(0.5), Px(0), Fix(2), 0, 0},
                                          {Px(30), Px(0), Fix(2), Fix(30), 0},
                                          {Px(30), Px(30), Fix(4), Fix(30), Fix(30)},
                                          {Px(-0.25), Px(30), Fix(4), 0, Fix(30)}};
  for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32, FillPolygonPerspectiveBody,
                    FillPolygonPerspectiveBodyTransparent}) {
    frame.Clear(kBackground);
    Draw(polygon, fill, &texture.bitmap);
    EXPECT_NE(frame.At(0, 29), kBackground);
  }
}

TEST_F(PerspectiveFillTest, DegeneratePolygonsDrawNothing) {
  const std::vector<ScreenVertex> clockwise{{Px(2), Px(2), Fix(2), 0, 0},
                                            {Px(20), Px(2), Fix(2), Fix(20), 0},
                                            {Px(20), Px(20), Fix(2), Fix(20), Fix(20)},
                                            {Px(2), Px(20), Fix(2), 0, Fix(20)}};
  const std::vector<ScreenVertex> anticlockwise(clockwise.rbegin(), clockwise.rend());
  const Bitmap noPixels{64, 64, 0, nullptr, nullptr};
  for (Fill fill : {FillPolygonPerspective16, FillPolygonPerspective32, FillPolygonPerspectiveBody,
                    FillPolygonPerspectiveBodyTransparent}) {
    Draw(anticlockwise, fill, &texture.bitmap);
    Draw({clockwise[0], clockwise[2]}, fill, &texture.bitmap);
    Draw({clockwise[0]}, fill, &texture.bitmap);
    Draw(clockwise, fill, &noPixels);
    Draw(clockwise, fill, nullptr);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
