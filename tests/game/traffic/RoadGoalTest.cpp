#include <gtest/gtest.h>

#include "game/traffic/RoadDirections.h"
#include "game/traffic/RoadGraphFixture.h"

namespace {

// Junctions at (2,2), (4,2) and (7,2) along a street, and (7,2) on to (7,5) south of it
// over a sloped piece climbing north.
const std::vector<std::string> kStreet = {
    "43 30 43 30 30 43",
    ".  .  .  .  .  29",
    ".  .  .  .  .  32^2",
    ".  .  .  .  .  29",
    ".  .  .  .  .  43",
};

class RoadGoalTest : public RoadGraphFixture {
protected:
  void SetUp() override { Build(kStreet, 2, 2); }

  void Move(RoadGoal& goal) {
    goal.gridLoc.x = static_cast<uint8_t>(goal.gridLoc.x + kTileStepX[goal.heading]);
    goal.gridLoc.y = static_cast<uint8_t>(goal.gridLoc.y + kTileStepY[goal.heading]);
    graph.CheckGoal(goal);
  }
  RoadGoal LeavingOn(int x, int y, int edge) {
    RoadGoal goal, none, result;
    graph.GoalsForTile({static_cast<uint8_t>(x), static_cast<uint8_t>(y)}, {}, goal, none, result);
    goal.edge = goal.heading = edge;
    return goal;
  }
};

bool OnTile(const RoadGoal& goal, int x, int y) { return goal.gridLoc.x == x && goal.gridLoc.y == y; }

TEST_F(RoadGoalTest, OnAJunctionOneGoalStandingOnIt) {
  RoadGoal goal1, goal2, result;
  graph.GoalsForTile({4, 2}, {4, 2}, goal1, goal2, result);
  EXPECT_EQ(goal1.pRGV, graph.VertexAt(4, 2));
  EXPECT_EQ(goal1.edge, kOnVertex);
  EXPECT_EQ(goal1.heading, kNoHeading);
  EXPECT_EQ(goal1.tileCount, -1);
  EXPECT_EQ(goal1.openDirections, 10u);
  EXPECT_EQ(goal1.slope, 1u);
  EXPECT_EQ(goal2.pRGV, nullptr);
  EXPECT_EQ(result.pRGV, goal1.pRGV);
}

TEST_F(RoadGoalTest, MidRoadTwoGoalsFacingApartEachOfOneJunction) {
  RoadGoal goal1, goal2, result;
  graph.GoalsForTile({5, 2}, {6, 2}, goal1, goal2, result);
  EXPECT_EQ(goal1.pRGV, graph.VertexAt(7, 2));
  EXPECT_EQ(goal1.heading, 3);
  EXPECT_EQ(goal1.edge, 3);
  EXPECT_EQ(goal2.pRGV, graph.VertexAt(4, 2));
  EXPECT_EQ(goal2.heading, 1);
  EXPECT_EQ(goal2.edge, 1);
  EXPECT_TRUE(OnTile(goal1, 5, 2) && OnTile(goal2, 5, 2));
  // Only the walk east passed the reference tile.
  EXPECT_EQ(result.pRGV, goal1.pRGV);
  EXPECT_EQ(result.heading, goal1.heading);
  EXPECT_TRUE(assertions.empty());
}

TEST_F(RoadGoalTest, CheckGoalFollowsBendsAndSlopesToTheNextJunction) {
  RoadGoal goal = LeavingOn(4, 2, 1);
  struct Expect {
    int x, y, heading, slope;
  };
  // East to the junction, then from it south over the slope.
  const Expect eastward[] = {{5, 2, 1, 1}, {6, 2, 1, 1}, {7, 2, 1, 1}};
  for (const Expect& e : eastward) {
    Move(goal);
    EXPECT_TRUE(OnTile(goal, e.x, e.y));
    EXPECT_EQ(goal.heading, e.heading);
    EXPECT_EQ(goal.slope, static_cast<uint32_t>(e.slope));
  }
  EXPECT_EQ(goal.pRGV, graph.VertexAt(7, 2));
  EXPECT_EQ(goal.edge, kOnVertex);
  goal.edge = goal.heading = 2;
  const Expect southward[] = {{7, 3, 2, 1}, {7, 4, 2, 0}, {7, 5, 2, 1}, {7, 6, 2, 1}};
  for (const Expect& e : southward) {
    Move(goal);
    EXPECT_TRUE(OnTile(goal, e.x, e.y)) << e.y;
    EXPECT_EQ(goal.heading, e.heading) << e.y;
    EXPECT_EQ(goal.slope, static_cast<uint32_t>(e.slope)) << e.y;
  }
  EXPECT_EQ(goal.pRGV, graph.VertexAt(7, 6));
  // Back north the same piece climbs the way it names.
  goal.edge = goal.heading = 0;
  Move(goal);
  Move(goal);
  EXPECT_EQ(goal.slope, 2u);
  EXPECT_TRUE(assertions.empty());
}

TEST_F(RoadGoalTest, ReverseGoalTurnsRoundOnTheSameTile) {
  RoadGoal goal1, goal2, result;
  graph.GoalsForTile({6, 2}, {}, goal1, goal2, result);
  RoadGoal reversed = goal1;
  graph.ReverseGoal(reversed);
  EXPECT_TRUE(OnTile(reversed, 6, 2));
  EXPECT_EQ(reversed.heading, ReverseDirection(goal1.heading));
  EXPECT_EQ(reversed.pRGV, goal2.pRGV);
  EXPECT_EQ(reversed.edge, goal2.edge);
  EXPECT_EQ(reversed.stepIndex, goal2.stepIndex);
  EXPECT_EQ(reversed.tileCount, goal2.tileCount);
  // On a junction only the heading and the edge turn.
  RoadGoal leaving = LeavingOn(4, 2, 1);
  graph.ReverseGoal(leaving);
  EXPECT_EQ(leaving.heading, 3);
  EXPECT_EQ(leaving.edge, 3);
  EXPECT_TRUE(assertions.empty());
}

TEST_F(RoadGoalTest, RoadsWithoutJunctionsGiveNoGoals) {
  Build({"36 30 37", "29 .  29", "35 30 38", ".  .  .", "30 30 30"}, 40, 40);
  for (GridLoc tile : {GridLoc{41, 40}, GridLoc{42, 41}, GridLoc{41, 44}}) {
    RoadGoal goal1, goal2, result;
    graph.GoalsForTile(tile, tile, goal1, goal2, result);
    EXPECT_EQ(goal1.pRGV, nullptr);
    EXPECT_EQ(goal2.pRGV, nullptr);
    EXPECT_EQ(result.pRGV, nullptr);
  }
  EXPECT_EQ(graph.VertexCount(), 0);
}

TEST_F(RoadGoalTest, AStubGivesOnlyTheGoalTowardItsJunction) {
  Build({"43 30 30"}, 10, 10);
  RoadGoal goal1, goal2, result;
  graph.GoalsForTile({11, 10}, {}, goal1, goal2, result);
  EXPECT_EQ(goal1.pRGV, graph.VertexAt(10, 10));
  EXPECT_EQ(goal1.heading, 1);
  EXPECT_EQ(goal2.pRGV, nullptr);
  RoadGoal reversed = goal1;
  graph.ReverseGoal(reversed);
  EXPECT_TRUE(OnTile(reversed, 11, 10));
  EXPECT_EQ(reversed.heading, 3);
  EXPECT_EQ(reversed.pRGV, graph.VertexAt(10, 10));
  EXPECT_TRUE(assertions.empty());
}

}  // namespace
