#include <gtest/gtest.h>

#include "game/traffic/RoadDirections.h"
#include "game/traffic/RoadGraphFixture.h"

namespace {

using RoadGraphTest = RoadGraphFixture;

std::vector<std::pair<int, int>> Steps(const RoadGraphEdge& edge) {
  std::vector<std::pair<int, int>> steps;
  for (int i = 0; i < edge.stepCount; ++i) steps.emplace_back(StepDirection(edge.steps[i]), edge.steps[i].count);
  return steps;
}

TEST_F(RoadGraphTest, AdjacentJunctionsHaveNoStepsAndTheFirstJunctionsTime) {
  Build({"43 43"}, 10, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphVertex& v = VertexOf(10, 10);
  EXPECT_EQ(v.directionBits, 2);
  EXPECT_EQ(v.edges[1].stepCount, 0);
  EXPECT_EQ(v.edges[1].Time, 10);
  EXPECT_EQ(graph.Neighbour(v.edges[1]), graph.VertexAt(11, 10));
  EXPECT_EQ(graph.VertexCount(), 2);
}

TEST_F(RoadGraphTest, AStubOfOneTileTurnsBackOnIt) {
  Build({"43 30"}, 10, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphVertex& v = VertexOf(10, 10);
  EXPECT_EQ(v.directionBits, 0x22);
  EXPECT_EQ(graph.Neighbour(v.edges[1]), &v);
  EXPECT_EQ(Steps(v.edges[1]), (std::vector<std::pair<int, int>>{{3, 255}}));
  EXPECT_EQ(v.edges[1].Time, 18);
}

TEST_F(RoadGraphTest, AStubRoundABendListsItsRunsOutAndBack) {
  Build({"43 30 37", ".  .  29", ".  .  29"}, 10, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphEdge& edge = VertexOf(10, 10).edges[1];
  EXPECT_EQ(Steps(edge), (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {0, 255}, {0, 0}, {3, 1}}));
  EXPECT_EQ(edge.Time, 10 + 4 * 8);
}

TEST_F(RoadGraphTest, TimeSumsTheTilesUpToTheNextJunction) {
  Build({"43 30 31^1 30 37", ".  .  .    .  29", ".  .  .    .  43"}, 10, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphEdge& edge = VertexOf(10, 10).edges[1];
  EXPECT_EQ(graph.Neighbour(edge), graph.VertexAt(14, 12));
  EXPECT_EQ(edge.Time, 10 + 5 * 8);
  EXPECT_EQ(Steps(edge), (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}}));
  EXPECT_EQ(VertexOf(14, 12).edges[0].Time, 10 + 5 * 8);
}

// Over water the road goes straight on whatever the pieces say, and stops at a junction on
// the far bank rather than driving through it.
TEST_F(RoadGraphTest, WaterIsCrossedStraightOn) {
  Build({"43 30 fw81 w81 fw81 43"}, 10, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphEdge& edge = VertexOf(10, 10).edges[1];
  EXPECT_EQ(graph.Neighbour(edge), graph.VertexAt(15, 10));
  EXPECT_EQ(Steps(edge), (std::vector<std::pair<int, int>>{{1, 3}}));
}

TEST_F(RoadGraphTest, AWalkOverWaterOffTheMapIsADeadEnd) {
  Build({"fw81 fw81 30 43"}, 0, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphVertex& v = VertexOf(3, 10);
  EXPECT_EQ(v.directionBits, 0x88);
  EXPECT_EQ(Steps(v.edges[3]), (std::vector<std::pair<int, int>>{{3, 1}, {1, 255}, {1, 1}}));
}

// Through the highway junction piece the walk prefers north, so a road can run into a
// ring that never meets a junction again: the walk gives up as a dead end.
TEST_F(RoadGraphTest, AJunctionFreeRingEndsAsADeadEnd) {
  Build({"36 30 37", "105 105 38", "105 105 .", "29 . .", "43 . ."}, 20, 19);
  ExpectGraphInvariants(graph);
  const RoadGraphVertex& v = VertexOf(20, 23);
  EXPECT_EQ(v.directionBits, 0x11);
  EXPECT_EQ(v.edges[0].Time, 32000);
  EXPECT_EQ(assertions, std::vector<std::string>{"P3rdgrph: pEdge->Time < 32000"});
}

TEST_F(RoadGraphTest, FindYIndexOfATileThatIsNoVertex) {
  Build({"43 30 43", "29 .  .", "43 .  ."}, 10, 10);
  EXPECT_EQ(graph.FindYIndex(10, 12), 1);
  EXPECT_EQ(graph.FindYIndex(12, 10), 0);
  EXPECT_TRUE(assertions.empty());
  EXPECT_EQ(graph.FindYIndex(11, 10), kNoIndex);
  EXPECT_EQ(graph.FindYIndex(-1, 10), kNoIndex);
  EXPECT_EQ(assertions, (std::vector<std::string>{"P3rdgrph: yindex < RGLength[x]", "P3rdgrph: yindex < RGLength[x]"}));
}

TEST_F(RoadGraphTest, StepAlongRoadTurnsWithTheRoad) {
  Build({"43 30 37", ".  .  29", ".  .  43"}, 10, 10);
  struct Case {
    int heading, x, y;
    int result, newHeading;
  };
  const Case cases[] = {
      {1, 11, 10, 1, 1},    // on along the straight
      {1, 12, 10, 2, 2},    // round the bend
      {2, 12, 11, -2, 2},   // the junction is next
      {3, 11, 10, -2, 3},   // back to the first junction
      {2, 10, 12, -1, 2},   // nothing to drive on
      {1, -1, 10, -1, 1},   // off the map
  };
  for (const Case& c : cases) {
    int heading = -9;
    EXPECT_EQ(graph.StepAlongRoad(c.heading, c.x, c.y, heading), c.result) << c.x << ", " << c.y;
    EXPECT_EQ(heading, c.newHeading) << c.x << ", " << c.y;
  }
}

TEST_F(RoadGraphTest, AHighwayBlockIsWalkedTwoTilesAtATime) {
  // A straight highway block between two junctions on the street below it.
  Build({"43 97 97 43", ".  97 97 ."}, 11, 10);
  ExpectGraphInvariants(graph);
  const RoadGraphVertex& v = VertexOf(11, 10);
  EXPECT_EQ(graph.Neighbour(v.edges[1]), graph.VertexAt(14, 10));
  EXPECT_EQ(v.edges[1].Time, 10 + 2 * 8);
  EXPECT_EQ(Steps(v.edges[1]), (std::vector<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(StepHighway(v.edges[1].steps[0]), 1);
}

}  // namespace
