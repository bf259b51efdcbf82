#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Drovane/Arena.h"
#include "DrawFixture.h"
#include "pel3d/draw/CellRecords.h"
#include "pel3d/draw/GridTransform.h"
#include "pel3d/draw/TerrainGrid.h"

namespace {

struct GridSizeCase {
  int32_t requested;
  int32_t cells;
  int32_t corners;
  int32_t triangles;
  int32_t cellList;
  double half;  // h, the first corner's -x and +z
};

void PrintTo(const GridSizeCase& c, std::ostream* os) { *os << c.requested << " cells"; }

class GridSizeTest : public ::testing::TestWithParam<GridSizeCase> {};

TEST_P(GridSizeTest, LayOut) {
  const GridSizeCase& c = GetParam();
  ASSERT_EQ(GridInit(c.requested), 0);
  EXPECT_EQ(gGrid.cells, c.cells);
  EXPECT_EQ(gGrid.corners, c.corners);
  EXPECT_EQ(gGrid.triangles, c.triangles);
  EXPECT_EQ(gGrid.cellListCapacity, c.cellList);
  const int32_t side = c.cells + 1;
  EXPECT_EQ(gGrid.positions[0].x, Fix(-c.half));
  EXPECT_EQ(gGrid.positions[0].z, Fix(c.half));
  EXPECT_EQ(gGrid.positions[c.corners - 1].x, Fix(-c.half + 64.0 * c.cells));
  EXPECT_EQ(gGrid.positions[c.corners - 1].z, Fix(c.half - 64.0 * c.cells));
  EXPECT_EQ(gGrid.positions[side].z, Fix(c.half - 64.0));
  // The last cell's triangles, reached through the cell table.
  const GroundTriangle* last = gGrid.cellTriangles[static_cast<std::size_t>((c.cells - 1) * kGridMaxCells + c.cells - 1)];
  ASSERT_EQ(last, gGrid.faces + c.triangles - 2);
  const uint32_t k = static_cast<uint32_t>((c.cells - 1) * side + c.cells - 1);
  const uint32_t s = static_cast<uint32_t>(side);
  EXPECT_EQ(last[0].corners, (std::array<uint32_t, 3>{k, k + 1, k + s}));
  EXPECT_EQ(last[1].corners, (std::array<uint32_t, 3>{k + 1, k + s + 1, k + s}));
  // Rows of the table are 61 long whatever the size.
  const GroundTriangle* rowOneOrBeyond = gGrid.cellTriangles[static_cast<std::size_t>(c.cells)];
  EXPECT_EQ(rowOneOrBeyond, c.cells < kGridMaxCells ? nullptr : gGrid.faces + 2 * kGridMaxCells);
  EXPECT_EQ(gGrid.cellTriangles[kGridMaxCells], gGrid.faces + 2 * c.cells);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridSizeTest,
                         ::testing::Values(GridSizeCase{5, 13, 196, 338, 84, 384.0},
                                           GridSizeCase{13, 13, 196, 338, 84, 384.0},
                                           GridSizeCase{36, 36, 1369, 2592, 648, 1152.0},
                                           GridSizeCase{61, 61, 3844, 7442, 1860, 1920.0}));

TEST(TerrainGrid, SizeAbove61ChangesNothing) {
  ASSERT_EQ(GridInit(37), 0);
  const GroundTriangle* faces = gGrid.faces;
  EXPECT_EQ(GridInit(62), 0);
  EXPECT_EQ(gGrid.cells, 37);
  EXPECT_EQ(gGrid.faces, faces);
}

TEST(TerrainGrid, TrianglesSampleHalfATexelInside) {
  ASSERT_EQ(GridInit(13), 0);
  const GroundTriangle* cell = gGrid.faces;
  const std::array<TexCoord, 3> first{{{Fix(0.5), Fix(0.5)}, {Fix(31.5), Fix(0.5)}, {Fix(0.5), Fix(31.5)}}};
  const std::array<TexCoord, 3> second{{{Fix(31.5), Fix(0.5)}, {Fix(31.5), Fix(31.5)}, {Fix(0.5), Fix(31.5)}}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(cell[0].texCoords[i].u, first[i].u);
    EXPECT_EQ(cell[0].texCoords[i].v, first[i].v);
    EXPECT_EQ(cell[1].texCoords[i].u, second[i].u);
    EXPECT_EQ(cell[1].texCoords[i].v, second[i].v);
  }
}

TEST(TerrainGrid, FirstLayOutAbove61StillPlacesTheGrid) {
  // Each test runs in a process of its own under CTest; alone, the grid is still new.
  if (gGrid.arena >= 0) GTEST_SKIP() << "the grid was laid out before";
  gGrid.orientation.fill(7);
  EXPECT_EQ(GridInit(70), 0);
  Matrix identity;
  MatrixIdentity(identity);
  EXPECT_EQ(gGrid.orientation, identity);
  EXPECT_EQ(gGrid.origin, Vec3{});
  EXPECT_FALSE(gGrid.laidOut);
  gGrid.cellCount = 1;
  ClearGridVisited();
  GridTransform();  // nothing to do before a lay-out
}

TEST(TerrainGrid, ArenaHoldsTheLargestGrid) {
  ASSERT_EQ(GridInit(61), 0);
  const auto* first = reinterpret_cast<const uint8_t*>(gGrid.rotated);
  const auto* last = reinterpret_cast<const uint8_t*>(gGrid.worldCellList + gGrid.cellListCapacity);
  EXPECT_LE(static_cast<uint32_t>(last - first), GridArenaSize());
}

// A grid of 13 cells seen through the identity camera, so grid space is view space; the
// tests place the corners they use where they want them.
class GridPassTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    ASSERT_EQ(GridInit(13), 0);
    gGrid.origin = {};
    MatrixIdentity(gGrid.orientation);
    GridViewSetup();
  }

  // Lists the cell at (row, column) with its record.
  void ListCell(int32_t row, int32_t column, DrawCell* record = nullptr) {
    GroundTriangle* pair = gGrid.cellTriangles[static_cast<std::size_t>(row * kGridMaxCells + column)];
    gGrid.cellList[gGrid.cellCount] = record;
    gGrid.groundList[2 * gGrid.cellCount] = pair;
    gGrid.groundList[2 * gGrid.cellCount + 1] = pair + 1;
    ++gGrid.cellCount;
    gGrid.groundCount += 2;
  }

  void Run() {
    ClearGridVisited();
    GridTransform();
  }

  static void Place(const GroundTriangle& triangle, const std::array<Vec3, 3>& corners) {
    for (int i = 0; i < 3; ++i) gGrid.positions[triangle.corners[i]] = corners[i];
  }
};

struct GroundTypeCase {
  const char* name;
  std::array<double, 3> z;
  int32_t type;
  int32_t pending;
};

void PrintTo(const GroundTypeCase& c, std::ostream* os) { *os << c.name; }

class GroundTypeTest : public GridPassTest, public ::testing::WithParamInterface<GroundTypeCase> {};

TEST_P(GroundTypeTest, ByCornerDepth) {
  const GroundTypeCase& c = GetParam();
  gDrawSettings.fogThreshold = Fix(850);
  gView.farClip = Fix(1000);
  ListCell(0, 0);
  GroundTriangle& triangle = *gGrid.groundList[0];
  Place(triangle, {{{0, 0, Fix(c.z[0])}, {Fix(1), 0, Fix(c.z[1])}, {0, Fix(1), Fix(c.z[2])}}});
  gGrid.groundList[1] = nullptr;
  Run();
  EXPECT_EQ(triangle.pendingCount, c.pending);
  if (c.pending) {
    EXPECT_EQ(triangle.groundType, c.type);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroundTypeTest,
    ::testing::Values(GroundTypeCase{"Near", {100, 200, 200}, kGroundNear, 3},
                      GroundTypeCase{"Far", {500, 900, 900}, kGroundFar, 3},
                      GroundTypeCase{"FirstDecidingCornerIsFar", {900, 100, 100}, kGroundFar, 3},
                      GroundTypeCase{"Middle", {300, 400, 500}, kGroundMiddle, 3},
                      GroundTypeCase{"NearClipped", {2, 200, 200}, kGroundNear, 4},
                      GroundTypeCase{"FarClipped", {500, 1200, 1200}, kGroundFar, 3},
                      GroundTypeCase{"BehindNotDrawn", {1, 2, 3}, kGroundMiddle, 0},
                      GroundTypeCase{"BeyondNotDrawn", {1000, 1100, 1200}, kGroundMiddle, 0}),
    CaseName<GroundTypeCase>);

TEST_F(GridPassTest, CornerSharedBySixTrianglesIsTransformedAndProjectedOnce) {
  // Corner (1, 1) belongs to six of the eight triangles of the four cells around it.
  for (int32_t row = 0; row < 2; ++row) {
    for (int32_t column = 0; column < 2; ++column) ListCell(row, column);
  }
  const int32_t side = gGrid.cells + 1;
  for (int32_t row = 0; row < 3; ++row) {
    for (int32_t column = 0; column < 3; ++column) {
      gGrid.positions[row * side + column] = {Fix(column - 1.0), Fix(1.0 - row), Fix(10)};
    }
  }
  Run();
  const uint32_t shared = static_cast<uint32_t>(side + 1);
  std::set<const TransformedVertex*> records;
  for (int32_t row = 0; row < 3; ++row) {
    for (int32_t column = 0; column < 3; ++column) records.insert(gGrid.whereIsIt[row * side + column]);
  }
  EXPECT_EQ(records.size(), 9u);
  for (const TransformedVertex* record : records) EXPECT_LT(record, gGrid.rotated + 9);

  const ScreenVertex* projection = gGrid.whereIsIt[shared]->projection;
  ASSERT_NE(projection, nullptr);
  const ScreenVertex expected = Projected(0, 0, Fix(10));
  EXPECT_EQ(projection->x, expected.x);
  EXPECT_EQ(projection->y, expected.y);
  int32_t sharing = 0;
  for (int32_t i = 0; i < 8; ++i) {
    const GroundTriangle& triangle = *gGrid.groundList[i];
    ASSERT_EQ(triangle.finalCount, 3);
    for (int corner = 0; corner < 3; ++corner) {
      if (triangle.corners[corner] != shared) continue;
      ++sharing;
      const ScreenVertex& vertex = triangle.finalVertices[corner];
      EXPECT_EQ(vertex.x, expected.x);
      EXPECT_EQ(vertex.y, expected.y);
      EXPECT_EQ(vertex.u, triangle.texCoords[corner].u);
      // Only the first triangle to reach the corner projects it.
      EXPECT_EQ(&vertex == projection, sharing == 1);
    }
  }
  EXPECT_EQ(sharing, 6);
}

TEST_F(GridPassTest, CellWithNoGroundBitHasNoTrianglesAndNoCorners) {
  DrawCell building;
  building.flags = kCellNoGround;
  ListCell(3, 3, &building);
  DrawCell open;
  ListCell(1, 1, &open);
  Run();
  EXPECT_EQ(gGrid.groundList[0]->finalCount, 0);
  EXPECT_EQ(gGrid.groundList[1]->finalCount, 0);
  EXPECT_EQ(gGrid.groundList[2]->pendingCount, 3);
  const int32_t side = gGrid.cells + 1;
  for (int32_t corner : {3 * side + 3, 3 * side + 4, 4 * side + 3}) EXPECT_EQ(gGrid.visited[corner], 0) << corner;
  EXPECT_EQ(gGrid.visited[side + 1], 1);
}

TEST_F(GridPassTest, ScreenClipAlwaysCorrectsForPerspective) {
  ListCell(0, 0);
  gGrid.groundList[1] = nullptr;
  GroundTriangle& triangle = *gGrid.groundList[0];
  // From (-20, 0, 10) at the left of the view to (0, 0, 20) in its middle, and one more.
  Place(triangle, {{{Fix(-20), 0, Fix(10)}, {0, 0, Fix(20)}, {0, Fix(1), Fix(20)}}});
  Run();
  ASSERT_EQ(triangle.finalCount, 4);
  const ScreenVertex& crossing = triangle.finalVertices[1];
  EXPECT_EQ(crossing.x, 0);
  // The left edge is halfway along the edge on the screen, but a third of the way in depth
  // from the near end: z = 1 / (0.5 / 10 + 0.5 / 20).
  EXPECT_NEAR(crossing.z, Fix(40.0 / 3), 8);
}

TEST_F(GridPassTest, OverfullListsAreCutAndFullScreenVerticesDropTriangles) {
  // Every triangle crosses the near plane and the screen's edges, so the grid's screen
  // vertices run out; the cell count claims more than the cell list holds.
  for (int32_t corner = 0; corner < gGrid.corners; ++corner) {
    gGrid.positions[corner] = {Fix(corner % 3 == 0 ? -50.0 : 50.0), Fix(corner % 2 ? 50.0 : -50.0),
                               Fix(corner % 4 == 0 ? 1.0 : 20.0)};
  }
  for (int32_t i = 0; i < gGrid.cellListCapacity; ++i) ListCell(i / gGrid.cells, i % gGrid.cells);
  gGrid.cellCount = gGrid.cellListCapacity + 1000;
  Run();
  const ScreenVertex* begin = gGrid.projected;
  const ScreenVertex* end = gGrid.projected + 3 * gGrid.triangles;
  int32_t drawn = 0;
  int32_t dropped = 0;
  for (int32_t i = 0; i < 2 * gGrid.cellListCapacity; ++i) {
    const GroundTriangle& triangle = *gGrid.groundList[i];
    if (triangle.finalCount == 0) {
      ++dropped;
      continue;
    }
    ++drawn;
    EXPECT_GE(triangle.finalVertices, begin);
    EXPECT_LE(triangle.finalVertices + triangle.finalCount, end);
  }
  EXPECT_GT(drawn, 0);
  EXPECT_GT(dropped, 0);
}

}  // namespace
