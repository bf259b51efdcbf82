#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "ViewedCity.h"
#include "game/world/CityTileBodies.h"
#include "game/world/DrawVisibleCells.h"
#include "game/world/TerrainMaps.h"
#include "game/world/VisibleCells.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/TextureColourTable.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/View.h"

namespace {

constexpr uint8_t kTower = 188;  // 3 x 3, with a far body
constexpr int kLookDown = 90;

class DrawVisibleCellsTest : public ViewedCity {
protected:
  // No cell is far unless a test says so.
  bool StartAndView(int depth, int cellX, int cellY) {
    if (!ViewedCity::StartAndView(depth, cellX, cellY)) return false;
    SetFlatThreshold(Units(5000));
    return true;
  }
  // How often each record stands in this frame's cell list.
  static std::multiset<const DrawCell*> Listed() {
    return {gGrid.cellList, gGrid.cellList + gGrid.cellCount};
  }
  static int32_t FaceCount(const cell_info& record, bool far) {
    int32_t faces = 0;
    for (const StaticEntry* node = record.staticObjects; node; node = node->next) {
      const Body* body = far && node->body->userData ? static_cast<Body*>(node->body->userData) : node->body;
      faces += body->faceCount;
    }
    return faces;
  }
};

TEST_F(DrawVisibleCellsTest, CellsComeFarToNearAndTheFarthestAreDroppedPastHalfTheGrid) {
  ASSERT_TRUE(StartAndView(13, 40, 40));
  SetFarClip(0);  // no depth limit: the whole grid in sight from high above
  PlaceCamera(CentreX(40), 3000, CentreZ(40), kLookDown);
  std::vector<VisibleCell> cells;
  FindVisibleCells(cells);
  ASSERT_EQ(cells.size(), 169u / 2);
  for (std::size_t i = 1; i < cells.size(); ++i) {
    const VisibleCell& a = cells[i - 1];
    const VisibleCell& b = cells[i];
    ASSERT_GE(a.distance, b.distance);
    if (a.distance == b.distance) {
      ASSERT_LT(std::pair(a.column, a.row), std::pair(b.column, b.row));
    }
  }
  EXPECT_EQ(cells.back().cellX, 40);
  EXPECT_EQ(cells.back().cellY, 40);
  // What was dropped lies no nearer than the farthest kept.
  const int64_t farthest = cells.front().distance;
  for (int x = 34; x <= 46; ++x) {
    for (int y = 34; y <= 46; ++y) {
      const bool kept = std::any_of(cells.begin(), cells.end(), [&](auto& c) { return c.cellX == x && c.cellY == y; });
      const int64_t distance = SquaredDistance(Units(CentreX(x) - CentreX(40)), Units(CentreZ(y) - CentreZ(40)));
      if (!kept) {
        EXPECT_GE(distance, farthest) << x << "," << y;
      }
    }
  }
}

TEST_F(DrawVisibleCellsTest, OnlyCellsAheadOfTheCameraAreListed) {
  ASSERT_TRUE(StartAndView(37, 100, 100));
  PlaceCamera(CentreX(100), 40, CentreZ(100), 0);  // looking north over the ground
  ListVisibleCells(Bitmaps());
  ASSERT_GT(gGrid.cellCount, 0);
  EXPECT_EQ(gGrid.groundCount, 2 * gGrid.cellCount);
  std::vector<VisibleCell> cells;
  FindVisibleCells(cells);
  for (const VisibleCell& cell : cells) {
    EXPECT_LE(cell.cellY, 101) << "a cell behind the camera";
    // Within the view distance (none set: the whole grid), and inside the 60-degree field.
    EXPECT_LE(std::abs(cell.cellX - 100), std::max(2, (101 - cell.cellY) * 6 / 10 + 2));
  }
}

TEST_F(DrawVisibleCellsTest, ASharedRecordCountsItsCellsAndDrawsItsBodiesOnce) {
  Block(40, 37, 3, kTower);
  ASSERT_TRUE(StartAndView(13, 41, 38));
  PlaceCamera(CentreX(41), 350, CentreZ(38), kLookDown);
  cell_info* tower = CellOfTile(40, 37);
  tower->drawCountdown = 5;  // left over from another view
  tower->flags |= kCellFar | kCellVisited;
  DrawVisibleCells(Bitmaps());
  EXPECT_EQ(Listed().count(tower), 9u);
  EXPECT_EQ(tower->drawCountdown, 0) << "the draw counted every occurrence down";
  EXPECT_FALSE(tower->flags & kCellFar);
  EXPECT_EQ(gDrawSettings.counters.facesConsidered, FaceCount(*tower, false));
  EXPECT_GT(gDrawSettings.counters.polygons, 0);
}

TEST_F(DrawVisibleCellsTest, EachCallIsCompleteInItself) {
  Block(40, 37, 3, kTower);
  Block(38, 39, 1, 112);
  ASSERT_TRUE(StartAndView(13, 41, 40));
  PlaceCamera(CentreX(41), 300, CentreZ(42), 30);
  DrawVisibleCells(Bitmaps());
  const std::vector<uint8_t> first = frame;
  const DrawCounters counters = gDrawSettings.counters;
  std::fill(frame.begin(), frame.end(), 0);
  DrawVisibleCells(Bitmaps());  // as a second view of the same frame draws it again
  EXPECT_EQ(frame, first);
  EXPECT_EQ(gDrawSettings.counters.facesConsidered, counters.facesConsidered);
  EXPECT_EQ(gDrawSettings.counters.polygons, counters.polygons);
  EXPECT_GT(counters.polygons, 0);
}

TEST_F(DrawVisibleCellsTest, AnObjectOverFourCellsIsDrawnOnceWithTheNearest) {
  ASSERT_TRUE(StartAndView(13, 40, 40));
  PlaceCamera(CentreX(40), 200, CentreZ(44), 45);
  Body* body = FindBody(TileBodyId(kTower));
  ASSERT_NE(body, nullptr);
  dyobj object;
  object.flags = kDyobjDrawn;
  object.body = body;
  object.position = {CellWest(41), Units(40), CellNorth(41)};  // where four cells meet
  object.radius = Units(10);
  MatrixIdentity(object.orientation);
  ASSERT_TRUE(LinkToCell(CellOfTile(40, 40), object));
  DrawVisibleCells(Bitmaps());
  EXPECT_EQ(CellOfTile(40, 41)->secondObjects, &object) << "the corner cell nearest the camera";
  for (auto [x, y] : {std::pair{40, 40}, {41, 40}, {41, 41}}) EXPECT_EQ(CellOfTile(x, y)->secondObjects, nullptr);
  EXPECT_TRUE(object.flags & kDyobjListed);
  EXPECT_EQ(gDrawSettings.counters.facesConsidered, body->faceCount);
  EXPECT_TRUE(body->flags & kBodyOwnMatrix);
  // Placed for this camera: the body's origin lands where the camera sees the object.
  EXPECT_EQ(body->matrix[3], gView.cameraMatrix[3] + object.position.x);
  UnlinkFromCell(CellOfTile(40, 40), object);
}

TEST_F(DrawVisibleCellsTest, FarCellsDrawTheFarBodyAndTheNearestOccurrenceDecides) {
  Block(40, 30, 3, kTower);
  ASSERT_TRUE(StartAndView(37, 41, 44));
  PlaceCamera(CentreX(41), 300, CentreZ(44), 30);
  cell_info* tower = CellOfTile(40, 30);
  ASSERT_NE(FirstNode(*tower)->body->userData, nullptr);
  const int64_t nearest = SquaredDistance(Units(0), Units(CentreZ(32) - CentreZ(44)));
  const int64_t farthest = SquaredDistance(Units(64), Units(CentreZ(30) - CentreZ(44)));
  struct Case {
    Fixedpoint flat;
    bool far;
  };
  const Fixedpoint between = Units(static_cast<int>(std::sqrt(double(nearest + farthest) / 2) / 4096));
  for (const Case& c : {Case{Units(600), true}, Case{between, false}, Case{Units(2000), false}}) {
    SetFlatThreshold(c.flat);
    DrawVisibleCells(Bitmaps());
    ASSERT_EQ(Listed().count(tower), 9u);
    EXPECT_EQ(bool(tower->flags & kCellFar), c.far) << c.flat;
    EXPECT_EQ(gDrawSettings.counters.facesConsidered, FaceCount(*tower, c.far)) << c.flat;
  }
  EXPECT_NE(FaceCount(*tower, true), FaceCount(*tower, false));
}

TEST_F(DrawVisibleCellsTest, ABuildingAcrossTheWrapIsDrawnWhereTheGridShowsIt) {
  Block(0, 57, 3, kTower);
  ASSERT_TRUE(StartAndView(37, 255, 58));
  PlaceCamera(CentreX(255), 600, CentreZ(58), kLookDown);
  cell_info* tower = CellOfTile(0, 57);
  DrawVisibleCells(Bitmaps());
  EXPECT_EQ(Listed().count(tower), 0u);
  const DrawCell* spare = nullptr;
  for (const DrawCell* cell : Listed()) {
    if (cell && cell->staticObjects == tower->staticObjects) spare = cell;
  }
  ASSERT_NE(spare, nullptr);
  EXPECT_EQ(Listed().count(spare), 9u);
  EXPECT_EQ(spare->originX, tower->originX + 16384);
  EXPECT_EQ(spare->originZ, tower->originZ);
  EXPECT_EQ(gDrawSettings.counters.facesConsidered, FaceCount(*tower, false));
  EXPECT_GT(gDrawSettings.counters.polygons, 0) << "drawn in sight, not a world away";
}

TEST_F(DrawVisibleCellsTest, GroundTrianglesCarryTheTileOrItsColour) {
  SetAltitude(40, 39, 0, 3);  // water beside land
  ASSERT_TRUE(StartAndView(13, 40, 40));
  PlaceCamera(CentreX(40), 400, CentreZ(40), kLookDown);
  for (int textures : {1, 0}) {
    SetTerrainTextures(textures);
    ListVisibleCells(Bitmaps());
    std::vector<VisibleCell> cells;
    FindVisibleCells(cells);
    ASSERT_EQ(static_cast<int32_t>(cells.size()), gGrid.cellCount);
    ASSERT_GT(gGrid.cellCount, 9);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const GroundTriangle* first = gGrid.groundList[2 * i];
      ASSERT_EQ(first, gGrid.cellTriangles[static_cast<std::size_t>(cells[i].row * kGridMaxCells + cells[i].column)]);
      ASSERT_EQ(gGrid.groundList[2 * i + 1], first + 1);
      const uint32_t texture = GroundTexture(cells[i].cellX, cells[i].cellY);
      const uint32_t word = textures ? texture : GetTextureColour(texture);
      EXPECT_EQ(first[0].word, word);
      EXPECT_EQ(first[1].word, textures ? word : word + 1);
      EXPECT_NE(first[0].tile, nullptr);
    }
  }
}

}  // namespace
