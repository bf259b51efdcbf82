#include <gtest/gtest.h>

#include "StartedCity.h"
#include "game/GameSwitches.h"
#include "game/world/GroundHeight.h"
#include "game/world/ViewDepth.h"
#include "game/world/ViewGrid.h"
#include "game/world/ViewerCell.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/View.h"

namespace {

// A started city with hills, and a grid laid out over it.
class ViewGrid : public StartedCity {
protected:
  void SetUp() override {
    for (int x = 30; x < 50; ++x) {
      for (int y = 30; y < 50; ++y) SetAltitude(x, y, (x * 3 + y * 7) % 5);
    }
    SetAltitude(0, 0, 4);
    SetAltitude(127, 3, 2);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SetViewDepth(13));
  }
  void TearDown() override {
    ViewerCell = {};
    SetViewDepth(kDefaultViewDepth);
  }

  // Whether every corner of the grid stands on the ground as GroundHeight gives it.
  static testing::AssertionResult CornersOnTheGround() {
    const int32_t side = gGrid.cells + 1;
    for (int32_t k = 0; k < side * side; ++k) {
      const Vec3& corner = gGrid.positions[k];
      const Fixedpoint ground = GroundHeight(gGrid.origin.x + corner.x, gGrid.origin.z + corner.z);
      if (corner.y != ground) {
        return testing::AssertionFailure() << "corner " << k << " at " << corner.y << ", ground " << ground;
      }
    }
    return testing::AssertionSuccess();
  }
  static int32_t RaisedCorners() {
    int32_t raised = 0;
    const int32_t side = gGrid.cells + 1;
    for (int32_t k = 0; k < side * side; ++k) raised += gGrid.positions[k].y > Units(32);
    return raised;
  }
};

TEST_F(ViewGrid, CentresTheViewerCellOnTheWorldsCells) {
  ViewerCell = {40, 37};
  ASSERT_TRUE(CenterViewGrid());
  EXPECT_EQ(gGrid.origin.x, CellWest(40));
  EXPECT_EQ(gGrid.origin.z, CellNorth(37));
  EXPECT_EQ(gGrid.origin.y, 0);
  EXPECT_EQ(ViewGridFirstCell(), (MapCell{34, 31}));
  // The viewer cell is grid cell (6, 6): its first corner is the cell's north-west corner.
  const Vec3& corner = gGrid.positions[6 * 14 + 6];
  EXPECT_EQ(gGrid.origin.x + corner.x, CellWest(40));
  EXPECT_EQ(gGrid.origin.z + corner.z, CellNorth(37));
  EXPECT_TRUE(CornersOnTheGround());
  EXPECT_GT(RaisedCorners(), 20);
}

TEST_F(ViewGrid, CornersFollowTheGroundAcrossTheMapsEdge) {
  for (MapCell viewer : {MapCell{0, 0}, MapCell{255, 2}, MapCell{3, 250}, MapCell{127, 3}}) {
    ViewerCell = viewer;
    ASSERT_TRUE(CenterViewGrid());
    EXPECT_TRUE(CornersOnTheGround()) << viewer.x << ", " << viewer.y;
  }
  EXPECT_EQ(ViewGridFirstCell(), (MapCell{121, -3}));
}

TEST_F(ViewGrid, ACellOutsideTheMapIsTakenOnIt) {
  ViewerCell = {256 + 40, -256 + 37};
  ASSERT_TRUE(CenterViewGrid());
  EXPECT_EQ(gGrid.origin.x, CellWest(40));
  EXPECT_EQ(gGrid.origin.z, CellNorth(37));
  EXPECT_TRUE(CornersOnTheGround());
}

TEST_F(ViewGrid, RecentresOnlyWhenTheCellOrTheGridChanged) {
  ViewerCell = {40, 40};
  ASSERT_TRUE(CenterViewGrid());
  struct Step {
    const char* what;
    void (*change)();
    bool recentred;
  } steps[] = {
      {"nothing", [] {}, false},
      {"another cell", [] { ViewerCell = {41, 40}; }, true},
      {"the same cell again", [] { ViewerCell = {41, 40}; }, false},
      {"another depth", [] { SetViewDepth(15); }, true},
      {"the same depth laid out again", [] { SetViewDepth(15); }, true},
      {"the terrain rebuilt", [] { InvalidateViewGrid(); }, true},
      {"nothing after all that", [] {}, false},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(CenterViewGrid(), step.recentred) << step.what;
    EXPECT_TRUE(CornersOnTheGround()) << step.what;
  }
}

TEST_F(ViewGrid, DepthSetsTheGridAndTheViewDistance) {
  struct Case {
    int32_t asked;
    int32_t depth;
    int32_t distance;
  } cases[] = {{13, 13, 384}, {5, 13, 384}, {14, 14, 448}, {37, 37, 1152}, {61, 61, 1920}, {62, 61, 1920}};
  for (const Case& c : cases) {
    SetViewDepth(c.asked);
    EXPECT_EQ(ViewRadius(), c.depth) << c.asked;
    EXPECT_EQ(gGrid.cells, c.depth) << c.asked;
    EXPECT_EQ(GetFarClip(), Units(c.distance)) << c.asked;
    EXPECT_EQ(gDrawSettings.fogThreshold, ThresholdsOfViewDistance(Units(c.distance), false).fog) << c.asked;
  }
}

TEST_F(ViewGrid, FogOffPutsTheFogAtTheViewDistance) {
  gGameSwitches.fogOff = 1;
  SetViewDepth(37);
  gGameSwitches.fogOff = 0;
  EXPECT_EQ(gDrawSettings.fogThreshold, Units(1152));
  EXPECT_EQ(gDrawSettings.fogRange, Units(1));
}

}  // namespace
