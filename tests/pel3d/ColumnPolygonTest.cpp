#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/ColumnPolygon.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 64;
constexpr int32_t kHeight = 48;
constexpr uint8_t kBackground = 255;

// A bitmap of 15 rows of 16 whose texel tells its row (u) and column (v).
class ColumnPolygonTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
    for (std::size_t i = 0; i < texels.size(); ++i) texels[i] = static_cast<uint8_t>(1 + i);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  void Draw(std::vector<ScreenVertex> vertices, uint32_t flags = 0) {
    face.flags = flags;
    const DrawBlock block{static_cast<int32_t>(vertices.size()), vertices.data(), 0, &texture, nullptr, &face};
    DrawColumnPolygon(block);
  }

  int32_t RowAt(int32_t x, int32_t y) const { return (frame.At(x, y) - 1) / 16; }
  int32_t ColumnAt(int32_t x, int32_t y) const { return (frame.At(x, y) - 1) % 16; }
  int32_t Drawn() const { return kWidth * kHeight - frame.CountOf(kBackground); }
  std::vector<uint8_t> Pixels() const { return {frame.ViewPixels(), frame.ViewPixels() + 72 * (kHeight - 1) + kWidth}; }

  std::vector<uint8_t> texels = std::vector<uint8_t>(15 * 16);
  Bitmap texture{16, 15, 0, texels.data(), nullptr};
  Face face;
  GuardedFrameBuffer frame{kWidth, kHeight, 72};
};

// Columns 10 to 23 and rows 5 to 19; u (the bitmap row) 0 to 14 across, v 0 to 15 down.
std::vector<ScreenVertex> Rectangle() {
  return {{Px(10), Px(5), 0, 0, 0},
          {Px(24), Px(5), 0, Fix(14), 0},
          {Px(24), Px(20), 0, Fix(14), Fix(15)},
          {Px(10), Px(20), 0, 0, Fix(15)}};
}

TEST_F(ColumnPolygonTest, RectangleTakesURowsAcrossAndVDownEachColumn) {
  Draw(Rectangle());
  EXPECT_EQ(Drawn(), 14 * 15);
  for (int32_t x = 10; x < 24; ++x) {
    for (int32_t y : {5, 12, 19}) EXPECT_EQ(RowAt(x, y), x - 10) << x << "," << y;
    EXPECT_EQ(ColumnAt(x, 5), 0);
  }
  // v is spread over the column's height and two pixels more.
  EXPECT_EQ(ColumnAt(10, 19), 14 * 15 / 17);
}

TEST_F(ColumnPolygonTest, TriangleCoversFromItsLeftVertexToTheColumnBeforeItsRight) {
  Draw({{Px(10), Px(10), 0, 0, 0}, {Px(30), Px(10), 0, Fix(14), 0}, {Px(10), Px(30), 0, 0, Fix(15)}});
  EXPECT_EQ(Drawn(), 210);  // column x has rows 10 to 29 - (x - 10)
  EXPECT_NE(frame.At(10, 29), kBackground);
  EXPECT_EQ(frame.At(10, 30), kBackground);
  EXPECT_NE(frame.At(29, 10), kBackground);
  EXPECT_EQ(frame.At(30, 10), kBackground);
}

TEST_F(ColumnPolygonTest, TransparentWithFlag0x10OpaqueWithout) {
  texels.assign(texels.size(), 0);
  Draw(Rectangle(), kFaceTransparent);
  EXPECT_EQ(Drawn(), 0);
  Draw(Rectangle());
  EXPECT_EQ(frame.CountOf(0), 14 * 15);
}

TEST_F(ColumnPolygonTest, EveryStartingVertexDrawsTheSamePolygon) {
  // Two vertices share the smallest x; whichever comes first in the array starts.
  std::vector<ScreenVertex> polygon = Rectangle();
  Draw(polygon);
  const std::vector<uint8_t> expected = Pixels();
  for (int turn = 1; turn < 4; ++turn) {
    frame.Clear(kBackground);
    std::rotate(polygon.begin(), polygon.begin() + 1, polygon.end());
    Draw(polygon);
    EXPECT_EQ(Pixels(), expected) << turn;
  }
}

TEST_F(ColumnPolygonTest, TooFewVerticesDrawNothing) {
  std::vector<ScreenVertex> polygon = Rectangle();
  Draw({polygon[0]});
  Draw({polygon[0], polygon[2]});
  EXPECT_EQ(Drawn(), 0);
}

TEST_F(ColumnPolygonTest, EdgesRunningLeftInAPolygonThatIsNotConvexArePassedOver) {
  // The top chain meets an edge back to the left before the right vertex.
  Draw({{Px(10), Px(20), 0, 0, 0},
        {Px(30), Px(8), 0, Fix(6), 0},
        {Px(20), Px(14), 0, Fix(3), 0},
        {Px(50), Px(20), 0, Fix(14), Fix(8)},
        {Px(12), Px(40), 0, 0, Fix(15)}});
  EXPECT_GT(Drawn(), 0);
}

TEST_F(ColumnPolygonTest, TextureCoordinatesOutsideTheBitmapAreHeldAtItsEdges) {
  Draw(Rectangle());
  const std::vector<uint8_t> expected = Pixels();
  frame.Clear(kBackground);
  std::vector<ScreenVertex> polygon = Rectangle();
  for (ScreenVertex& v : polygon) {
    v.u = v.u ? Fix(5000) : -Fix(70);
    v.v = v.v ? Fix(900) : -Fix(3);
  }
  Draw(polygon);
  EXPECT_EQ(Pixels(), expected);
}

}  // namespace
