#include <gtest/gtest.h>

#include <vector>

#include "StartedCity.h"
#include "game/world/ViewLists.h"

namespace {

class ViewLists : public StartedCity {
protected:
  void SetUp() override {
    Block(20, 20, 2, 97);  // a highway block: one record over four cells
    ASSERT_TRUE(Start());
  }
  // Lists the cells as this frame's visible ones.
  void See(std::vector<std::pair<int, int>> tiles) {
    for (auto [x, y] : tiles) {
      visible.push_back(CellOfTile(x, y));
      ++visible.back()->drawCountdown;
    }
    ClearViewLists(visible.data(), static_cast<int32_t>(visible.size()));
  }
  static dyobj At(int x, int y, int offsetX, int offsetY, int radius) {
    dyobj object;
    object.flags = kDyobjDrawn;
    object.position = {CellWest(x) + Units(offsetX), 0, CellNorth(y) - Units(offsetY)};
    object.radius = Units(radius);
    return object;
  }

  std::vector<cell_info*> visible;
};

TEST_F(ViewLists, AnObjectOverlappingVisibleCellsIsListedOnce) {
  See({{5, 5}, {6, 5}, {5, 6}, {6, 6}});
  dyobj object = At(6, 6, 2, 2, 10);  // its square reaches all four cells
  ASSERT_TRUE(LinkToCell(CellOfTile(6, 6), object));
  SpreadViewLists(visible.data(), static_cast<int32_t>(visible.size()));
  EXPECT_EQ(CellOfTile(5, 5)->secondObjects, &object);
  EXPECT_EQ(object.nextSecond, nullptr);
  EXPECT_TRUE(object.flags & kDyobjListed);
  for (auto [x, y] : {std::pair{6, 5}, {5, 6}, {6, 6}}) EXPECT_EQ(CellOfTile(x, y)->secondObjects, nullptr);
  EXPECT_TRUE(CellOfTile(6, 6)->flags & kCellVisited);
}

TEST_F(ViewLists, GivenTheViewerAnObjectGoesWithItsNearestVisibleCorner) {
  See({{5, 5}, {6, 5}, {5, 6}, {6, 6}});
  struct Case {
    Vec3 viewer;
    std::pair<int, int> cell;
  };
  const Case cases[] = {
      {{CellWest(9), 0, CellNorth(9)}, {6, 6}},  // south-east of the object
      {{CellWest(2), 0, CellNorth(9)}, {5, 6}},  // south-west
      {{CellWest(9), 0, CellNorth(6)}, {6, 5}},  // east, ties broken by the corners' order
      {{CellWest(250), 0, CellNorth(2)}, {5, 5}},  // across the map's wrap to the west
  };
  for (const Case& c : cases) {
    dyobj object = At(6, 6, 0, 0, 10);  // on the corner the four cells share
    ASSERT_TRUE(LinkToCell(CellOfTile(6, 6), object));
    ClearViewLists(visible.data(), static_cast<int32_t>(visible.size()));
    SpreadViewLists(visible.data(), static_cast<int32_t>(visible.size()), &c.viewer);
    EXPECT_EQ(CellOfTile(c.cell.first, c.cell.second)->secondObjects, &object) << c.cell.first << "," << c.cell.second;
    ASSERT_TRUE(UnlinkFromCell(CellOfTile(6, 6), object));
  }
}

TEST_F(ViewLists, ASharedRecordIsWalkedOnceAndObjectsOutOfSightAreNotListed) {
  See({{20, 20}, {21, 20}, {20, 21}, {21, 21}});
  dyobj onHighway = At(21, 21, 32, 32, 2);
  dyobj beyond = At(40, 40, 32, 32, 2);
  ASSERT_TRUE(LinkToCell(CellOfTile(21, 21), onHighway));
  ASSERT_TRUE(LinkToCell(CellOfTile(40, 40), beyond));
  beyond.flags |= kDyobjListed;
  SpreadViewLists(visible.data(), static_cast<int32_t>(visible.size()));
  EXPECT_EQ(CellOfTile(20, 20)->secondObjects, &onHighway);
  EXPECT_EQ(onHighway.nextSecond, nullptr);
  EXPECT_TRUE(assertions.empty());
  EXPECT_TRUE(beyond.flags & kDyobjListed);  // its cell was not walked

  // The next frame starts from empty lists.
  ClearViewLists(visible.data(), static_cast<int32_t>(visible.size()));
  EXPECT_EQ(CellOfTile(20, 20)->secondObjects, nullptr);
  EXPECT_FALSE(CellOfTile(20, 20)->flags & kCellVisited);
}

}  // namespace
