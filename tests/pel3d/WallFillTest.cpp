#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/WallClip.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/ColumnPolygon.h"
#include "pel3d/raster/WallFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr uint8_t kBackground = 255;

// A wall with sides at x0 and x1; the left side from top0 to bottom0, the right from top1
// to bottom1; u (the bitmap row) from u0 to u1, v from 0 to v1.
std::vector<ScreenVertex> Wall(double x0, double x1, double top0, double bottom0, double top1, double bottom1,
                               double u0, double u1, double v1) {
  return {{Px(x0), Px(top0), 0, Fix(u0), 0},
          {Px(x1), Px(top1), 0, Fix(u1), 0},
          {Px(x1), Px(bottom1), 0, Fix(u1), Fix(v1)},
          {Px(x0), Px(bottom0), 0, Fix(u0), Fix(v1)}};
}

class WallTest : public DrawTest {
protected:
  // A frame of the size, and a texture of rows x columns whose texel at (r, c) is given.
  void Prepare(GuardedFrameBuffer& frame, int32_t rows, int32_t columns, uint8_t (*texel)(int32_t, int32_t)) {
    frame.Install();
    frame.Clear(kBackground);
    texels.resize(static_cast<std::size_t>(rows * columns));
    for (int32_t r = 0; r < rows; ++r) {
      for (int32_t c = 0; c < columns; ++c) texels[static_cast<std::size_t>(r * columns + c)] = texel(r, c);
    }
    texture = {static_cast<uint32_t>(columns), static_cast<uint32_t>(rows), 0, texels.data(), nullptr};
  }

  void Draw(std::vector<ScreenVertex> vertices, void (*routine)(const DrawBlock&) = DrawWallColumnsKeyed,
            uint32_t flags = 0) {
    face.flags = flags;
    const DrawBlock block{static_cast<int32_t>(vertices.size()), vertices.data(), 0, &texture, nullptr, &face};
    routine(block);
  }

  std::vector<uint8_t> texels;
  Bitmap texture;
  Face face;
};

// The bitmap row each column of a wall sampled, read from row y of the frame.
std::vector<int32_t> RowsAlong(const GuardedFrameBuffer& frame, int32_t x0, int32_t columns, int32_t y) {
  std::vector<int32_t> rows;
  for (int32_t x = x0; x < x0 + columns; ++x) rows.push_back(frame.At(x, y) - 1);
  return rows;
}

// The u of a column when u is linear in 1 / height (the column height standing for 1 / depth).
double PerspectiveRow(double h, double h0, double h1, double u1) { return u1 * (1 / h - 1 / h0) / (1 / h1 - 1 / h0); }

uint8_t RowNumber(int32_t r, int32_t) { return static_cast<uint8_t>(r + 1); }

class WallModeTest : public WallTest {
protected:
  void SetUp() override {
    WallTest::SetUp();
    Prepare(frame, 240, 1, RowNumber);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    WallTest::TearDown();
  }
  GuardedFrameBuffer frame{200, 160, 208};
};

TEST_F(WallModeTest, ParallelEdgesStepLinearly) {
  Draw(Wall(10, 30, 20, 120, 20, 120, 0, 200, 1));
  const std::vector<int32_t> rows = RowsAlong(frame, 10, 20, 60);
  for (int32_t c = 0; c < 20; ++c) EXPECT_EQ(rows[static_cast<std::size_t>(c)], 10 * c) << c;
}

TEST_F(WallModeTest, StronglyConvergingWallOfThirteenColumnsRecomputesItsStepAtFiveAndNine) {
  Draw(Wall(10, 23, 10, 110, 40, 80, 0, 239, 1));
  const std::vector<int32_t> rows = RowsAlong(frame, 10, 13, 60);
  std::vector<int32_t> steps;
  for (std::size_t c = 1; c < rows.size(); ++c) steps.push_back(rows[c] - rows[c - 1]);
  // Within a segment the step is one value (give or take the rounding of the row); the
  // segments [0, 5), [5, 9) and [9, 13) each take a larger one as the wall recedes.
  const auto spread = [&](std::size_t from, std::size_t to) {
    const auto [low, high] = std::minmax_element(steps.begin() + from, steps.begin() + to);
    return *high - *low;
  };
  EXPECT_LE(spread(0, 4), 1);
  EXPECT_LE(spread(5, 8), 1);
  EXPECT_LE(spread(9, 12), 1);
  EXPECT_LT(steps[2] + 1, steps[6]);
  EXPECT_LT(steps[6] + 1, steps[10]);
  // At the segment starts u is where perspective puts it.
  for (int32_t c : {5, 9}) {
    const double h = 102 - 60.0 * c / 12;
    EXPECT_NEAR(rows[static_cast<std::size_t>(c)], PerspectiveRow(h, 102, 42, 239), 3) << c;
  }
}

TEST_F(WallModeTest, StronglyConvergingWallOfEightColumnsStepsLinearly) {
  Draw(Wall(10, 18, 10, 110, 40, 80, 0, 200, 1));
  EXPECT_EQ(RowsAlong(frame, 10, 8, 60), (std::vector<int32_t>{0, 25, 50, 75, 100, 125, 150, 175}));
}

TEST_F(WallModeTest, GentlyConvergingWallFollowsPerspectiveColumnByColumn) {
  // Heights 100 and 70 over 150 columns: a fifth of a pixel per column, the adaptive mode.
  Draw(Wall(20, 170, 20, 120, 35, 105, 0, 239, 1));
  const std::vector<int32_t> rows = RowsAlong(frame, 20, 150, 70);
  for (int32_t c = 0; c < 150; c += 10) {
    const double h = 102 - 30.0 * c / 149;
    EXPECT_NEAR(rows[static_cast<std::size_t>(c)], PerspectiveRow(h, 102, 72, 239), 3) << c;
  }
  // Linear stepping would be at 119.5 in the middle; perspective is well short of it.
  EXPECT_LT(rows[75], 112);
}

TEST_F(WallModeTest, TallWallWithoutTwoDepthsStepsLinearly) {
  // Heights so great that K / h is the same at both sides: no division by their difference.
  Draw(Wall(20, 60, -8100, 8200, -8098, 8198, 0, 200, 1));
  const std::vector<int32_t> rows = RowsAlong(frame, 20, 40, 80);
  for (int32_t c = 0; c < 40; ++c) EXPECT_EQ(rows[static_cast<std::size_t>(c)], 5 * c) << c;
}

TEST_F(WallModeTest, WallWhoseEdgesCrossDrawsOnlyWhereItHasRows) {
  Draw(Wall(20, 60, 100, 20, 10, 110, 0, 240, 1));
  Draw(Wall(60, 100, 50, 50, 50, 50, 0, 240, 1));
}

// 15 rows of 16: a texel tells its row and column.
uint8_t RowAndColumn(int32_t r, int32_t c) { return static_cast<uint8_t>(1 + r * 16 + c); }
int32_t RowOf(uint8_t texel) { return (texel - 1) / 16; }
int32_t ColumnOf(uint8_t texel) { return (texel - 1) % 16; }

struct CrossingCase {
  std::string name;
  double x0, x1, top0, bottom0, top1, bottom1;
};

void PrintTo(const CrossingCase& c, std::ostream* out) { *out << c.name; }

class WallCrossingTest : public WallTest, public ::testing::WithParamInterface<CrossingCase> {};

TEST_P(WallCrossingTest, DrawsWhatTheViewShowsOfTheWholeWall) {
  // The same wall in a view 48 columns and 40 rows larger on each side, shifted by whole
  // pixels, covers the same pixels with the same bitmap rows. Down a column clipped at the
  // top v starts from the exact clipped height where the whole column starts from its first
  // row's top, so v may differ by one step.
  constexpr int32_t kDx = 48, kDy = 40;
  const CrossingCase& c = GetParam();
  GuardedFrameBuffer whole(64 + 2 * kDx, 48 + 2 * kDy, 168);
  Prepare(whole, 15, 16, RowAndColumn);
  Draw(Wall(c.x0 + kDx, c.x1 + kDx, c.top0 + kDy, c.bottom0 + kDy, c.top1 + kDy, c.bottom1 + kDy, 0, 14, 15),
       DrawWallColumns);
  GuardedFrameBuffer part(64, 48, 72);
  Prepare(part, 15, 16, RowAndColumn);
  Draw(Wall(c.x0, c.x1, c.top0, c.bottom0, c.top1, c.bottom1, 0, 14, 15), DrawWallColumns);
  EXPECT_TRUE(part.BorderUntouched());
  EXPECT_TRUE(whole.BorderUntouched());
  int32_t coverage = 0, rows = 0, columns = 0, drawn = 0;
  for (int32_t y = 0; y < 48; ++y) {
    for (int32_t x = 0; x < 64; ++x) {
      const uint8_t a = part.At(x, y);
      const uint8_t b = whole.At(x + kDx, y + kDy);
      coverage += (a == kBackground) != (b == kBackground);
      if (a == kBackground || b == kBackground) continue;
      ++drawn;
      rows += RowOf(a) != RowOf(b);
      columns += std::abs(ColumnOf(a) - ColumnOf(b)) > 1;
    }
  }
  EXPECT_EQ(coverage, 0);
  EXPECT_EQ(rows, 0);
  EXPECT_EQ(columns, 0);
  EXPECT_GT(drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(ViewEdges, WallCrossingTest,
                         ::testing::Values(CrossingCase{"Left", -20.5, 30, 10, 40, 14, 36},
                                           CrossingCase{"Right", 30, 100.25, 10, 40, 14, 36},
                                           CrossingCase{"Top", 10, 50, -31, 40, -20, 30},
                                           CrossingCase{"Bottom", 10, 50, 10, 70, 14, 60},
                                           CrossingCase{"Everywhere", -40, 100, -35, 80, -20, 60}),
                         [](const auto& info) { return info.param.name; });

class WallShapeTest : public WallTest {
protected:
  void SetUp() override {
    WallTest::SetUp();
    Prepare(frame, 15, 16, RowAndColumn);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    WallTest::TearDown();
  }
  std::vector<uint8_t> Pixels() const { return {frame.ViewPixels(), frame.ViewPixels() + 72 * 47 + 64}; }
  GuardedFrameBuffer frame{64, 48, 72};
};

TEST_F(WallShapeTest, NearClippedOrderDrawsTheSameWall) {
  std::vector<ScreenVertex> wall = Wall(5, 50, 4, 40, 10, 30, 2, 13, 15);
  Draw(wall, DrawWallColumns);
  const std::vector<uint8_t> expected = Pixels();
  for (int turn = 1; turn < 4; ++turn) {
    frame.Clear(kBackground);
    std::rotate(wall.begin(), wall.begin() + 1, wall.end());
    Draw(wall, DrawWallColumns);
    EXPECT_EQ(Pixels(), expected) << turn;
  }
}

TEST_F(WallShapeTest, OtherPolygonsAreDrawnByTheColumnWalk) {
  // Sloping sides: not a wall.
  const std::vector<ScreenVertex> quad = {{Px(5), Px(4), 0, 0, 0},
                                          {Px(50), Px(10), 0, Fix(14), 0},
                                          {Px(52), Px(30), 0, Fix(14), Fix(15)},
                                          {Px(6), Px(40), 0, 0, Fix(15)}};
  Draw(quad, DrawColumnPolygonOpaque);
  const std::vector<uint8_t> expected = Pixels();
  EXPECT_LT(frame.CountOf(kBackground), 64 * 48);
  for (auto routine : {DrawWallColumns, DrawWallColumnsKeyed}) {
    frame.Clear(kBackground);
    Draw(quad, routine);
    EXPECT_EQ(Pixels(), expected);
  }
}

TEST_F(WallShapeTest, KeyedWallLeavesTexelZeroOpaqueWallWritesIt) {
  texels.assign(texels.size(), 0);
  Draw(Wall(5, 50, 4.5, 40.5, 4.5, 40.5, 0, 14, 15), DrawWallColumnsKeyed);
  EXPECT_EQ(frame.CountOf(kBackground), 64 * 48);
  Draw(Wall(5, 50, 4.5, 40.5, 4.5, 40.5, 0, 14, 15), DrawWallColumns);
  // One row more above and below the edges: rows 3 to 40 of columns 5 to 49.
  EXPECT_EQ(frame.CountOf(0), 45 * 38);
  EXPECT_EQ(frame.At(5, 3), 0);
  EXPECT_EQ(frame.At(49, 40), 0);
  EXPECT_EQ(frame.At(49, 41), kBackground);
}

TEST_F(WallShapeTest, TextureCoordinatesOutsideTheBitmapAreHeldInside) {
  Draw(Wall(5, 50, 4, 40, 10, 30, -50, 900, 400), DrawWallColumns);
  Draw(Wall(5, 50, 4, 40, 10, 30, 900, -50, -400), DrawWallColumns);
  EXPECT_LT(frame.CountOf(kBackground), 64 * 48);
}

TEST_F(WallShapeTest, ColumnsClippedAtTheTopAdvanceV) {
  // v from 0 to 15.5 over 60 + 2 rows (a quarter texel each), 13 of them above the view:
  // row 0 samples v = 3.25, row 46 v = 14.75.
  Draw(Wall(10, 11, -12, 46, -12, 46, 0, 0, 15.5), DrawWallColumns);
  EXPECT_EQ(frame.At(10, 0), RowAndColumn(0, 3));
  EXPECT_EQ(frame.At(10, 46), RowAndColumn(0, 14));
  EXPECT_EQ(frame.At(10, 47), kBackground);
}

// Screen-clip decision of the face processing.
struct ClipCase {
  std::string name;
  std::vector<ScreenVertex> polygon;
  RasterId routine;
  int32_t count;  // vertices after the decision
  bool unmoved;  // the polygon kept its own vertices
};

void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.name; }

class WallClipTest : public DrawTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(WallClipTest, WallsKeepTheirCornersOthersAreClipped) {
  std::vector<ScreenVertex> polygon = GetParam().polygon;
  std::vector<ScreenVertex> room(kClipBufferCapacity);
  VertexOutput out{room.data(), room.data() + room.size()};
  ScreenVertex* first = polygon.data();
  const int32_t count = ClipToScreenUnlessWall(first, static_cast<int32_t>(polygon.size()), GetParam().routine, {}, out);
  EXPECT_EQ(count, GetParam().count);
  EXPECT_EQ(first == polygon.data(), GetParam().unmoved);
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, WallClipTest,
    ::testing::Values(
        ClipCase{"WallAcrossTheLeftEdge", Wall(-50, 100, 20, 180, 40, 160, 0, 1, 1), RasterId::kWallColumnFirst, 4, true},
        ClipCase{"KeyedWallAcrossEveryEdge", Wall(-50, 300, -20, 280, 40, 160, 0, 1, 1), RasterId::kWallColumnSecond, 4,
                 true},
        ClipCase{"WallWhollyLeft", Wall(-50, -10, 20, 180, 40, 160, 0, 1, 1), RasterId::kWallColumnFirst, 0, true},
        ClipCase{"WallFartherThan8192PixelsOut", Wall(-9000, 100, 20, 180, 40, 160, 0, 1, 1),
                 RasterId::kWallColumnFirst, 4, false},
        ClipCase{"WallForAnotherRoutine", Wall(-50, 100, 20, 180, 40, 160, 0, 1, 1), RasterId::kDrawTexturedPolygon, 4,
                 false},
        ClipCase{"SlopingSides",
                 {{Px(-50), Px(20), 0, 0, 0}, {Px(100), Px(40), 0, 0, 0}, {Px(101), Px(160), 0, 0, 0},
                  {Px(-50), Px(180), 0, 0, 0}},
                 RasterId::kWallColumnFirst, 4, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
