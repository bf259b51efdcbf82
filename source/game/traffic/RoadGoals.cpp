#include "game/traffic/RoadDirections.h"
#include "game/traffic/RoadGraph.h"
#include "game/traffic/RoadWalk.h"
#include "game/traffic/TrafficAssert.h"

namespace {

// Enough moves for a goal to pass the longest edge there can be.
constexpr int kMaxGoalMoves = 2 * kMaxWalkTiles + 2;

bool SameTile(GridLoc a, GridLoc b) { return a.x == b.x && a.y == b.y; }

void MoveAlongHeading(RoadGoal& goal) {
  goal.gridLoc.x = static_cast<uint8_t>(goal.gridLoc.x + kTileStepX[goal.heading & 3]);
  goal.gridLoc.y = static_cast<uint8_t>(goal.gridLoc.y + kTileStepY[goal.heading & 3]);
}

const RoadStep* CurrentStep(const RoadGoal& goal) {
  if (!goal.pRGV || goal.edge < 0 || goal.edge > 3) return nullptr;
  const RoadGraphEdge& edge = goal.pRGV->edges[goal.edge];
  return goal.stepIndex < edge.stepCount ? &edge.steps[goal.stepIndex] : nullptr;
}

// A goal standing on its vertex.
RoadGoal StandingGoal(RoadGraphVertex& vertex) {
  RoadGoal goal;
  goal.pRGV = &vertex;
  goal.gridLoc = {vertex.x, vertex.y};
  goal.openDirections = OpenDirections(vertex);
  goal.deadEndDirections = DeadEndDirections(vertex);
  goal.highway = vertex.highway;
  return goal;
}

// Drives the goal tile by tile until it stands on a vertex, or on the tile it started from
// facing the other way (coming back from a dead end); false when neither happens.
bool DriveToVertexOrBack(const RoadGraph& graph, RoadGoal& goal) {
  const GridLoc start = goal.gridLoc;
  const int back = ReverseDirection(goal.heading);
  for (int moves = 0; moves < kMaxGoalMoves && goal.pRGV; ++moves) {
    MoveAlongHeading(goal);
    graph.CheckGoal(goal);
    if (goal.edge == kOnVertex) return true;
    if (SameTile(goal.gridLoc, start) && goal.heading == back) return true;
  }
  return false;
}

}  // namespace

void RoadGraph::TakeVertex(RoadGoal& goal, const RoadGraphVertex& vertex) const {
  goal.highway = vertex.highway;
  goal.openDirections = OpenDirections(vertex);
  goal.deadEndDirections = DeadEndDirections(vertex);
}

void RoadGraph::SetGoalSlope(RoadGoal& goal) const {
  goal.slope = 1;
  int x = goal.gridLoc.x, y = goal.gridLoc.y;
  if (!mCity || x >= kCitySize || y >= kCitySize) return;
  int terrain = mCity->auxPtr3[x][y];
  if (terrain < 1 || terrain > 4) return;
  // Terrain 1-4 climbs toward west, north, east, south.
  goal.slope = goal.heading == ((terrain + 2) & 3) ? 2 : 0;
}

void RoadGraph::CheckGoal(RoadGoal& goal) const {
  if (!goal.pRGV) return;
  if (!TRAFFIC_CHECK(goal.edge >= 0 && goal.edge < 4, "pGoal->edge >= 0 && pGoal->edge < 4", "P3rdgrph")) return;
  const RoadGraphEdge& edge = goal.pRGV->edges[goal.edge];
  if (goal.stepIndex < edge.stepCount) {
    const RoadStep& step = edge.steps[goal.stepIndex];
    if (StepFurtherTiles(step) > goal.tileCount) {
      if (++goal.tileCount == 0) goal.heading = StepDirection(step);
    } else {
      goal.highway = static_cast<uint32_t>(StepHighway(step));
      if (++goal.stepIndex < edge.stepCount) {
        goal.tileCount = 0;
        goal.heading = StepDirection(edge.steps[goal.stepIndex]);
      }
    }
  }
  if (goal.stepIndex >= edge.stepCount) {
    RoadGraphVertex* next = Neighbour(edge);
    if (!next) return;
    goal.pRGV = next;
    TakeVertex(goal, *next);
    TRAFFIC_CHECK(goal.gridLoc.x == next->x, "pGoal->gridLoc.x == pRGV->x", "P3rdgrph");
    TRAFFIC_CHECK(goal.gridLoc.y == next->y, "pGoal->gridLoc.y == pRGV->y", "P3rdgrph");
    goal.edge = kOnVertex;
    goal.stepIndex = 0;
    goal.tileCount = -1;
  }
  SetGoalSlope(goal);
}

bool RoadGraph::GoalAlongRoad(RoadGoal& goal, int nx, int ny, int direction, GridLoc tile, GridLoc reference) const {
  bool passed = false;
  RoadWalkEnd end = WalkRoad(*this, nx, ny, direction, [&](int x, int y, int) {
    if (x == reference.x && y == reference.y) passed = true;
  });
  RoadGraphVertex* vertex = end.deadEnd ? nullptr : VertexAt(end.x, end.y);
  if (!vertex) return passed;
  RoadGoal placed = StandingGoal(*vertex);
  placed.heading = placed.edge = ReverseDirection(end.heading);
  for (int moves = 0; !SameTile(placed.gridLoc, tile); ++moves) {
    MoveAlongHeading(placed);
    CheckGoal(placed);
    if (!TRAFFIC_CHECK(placed.edge != kOnVertex && moves < kMaxGoalMoves, "false", "P3rdgrph")) return passed;
  }
  if (const RoadStep* step = CurrentStep(placed)) {
    placed.highway = static_cast<uint32_t>(StepHighway(*step));
    placed.slope = static_cast<uint32_t>(StepSlope(*step));
  }
  goal = placed;
  return passed;
}

void RoadGraph::GoalsForTile(GridLoc tile, GridLoc reference, RoadGoal& goal1, RoadGoal& goal2, RoadGoal& result) const {
  goal1 = goal2 = result = RoadGoal{};
  if (IsVertexTile(tile.x, tile.y)) {
    if (RoadGraphVertex* vertex = VertexAt(tile.x, tile.y)) goal1 = result = StandingGoal(*vertex);
    return;
  }
  for (int d = 0; d < 4; ++d) {
    int nx = 0, ny = 0;
    if (!UsableDirection(tile.x, tile.y, d, nx, ny)) continue;
    RoadGoal goal;
    bool passed = GoalAlongRoad(goal, nx, ny, d, tile, reference);
    if (!goal.pRGV) continue;
    (goal1.pRGV ? goal2 : goal1) = goal;
    if (passed) result = goal;
  }
}

void RoadGraph::ReverseGoal(RoadGoal& goal) const {
  if (!goal.pRGV) return;
  if (goal.gridLoc.x == goal.pRGV->x && goal.gridLoc.y == goal.pRGV->y) {
    if (goal.heading >= 0) goal.heading = ReverseDirection(goal.heading);
    if (goal.edge >= 0) goal.edge = ReverseDirection(goal.edge);
    return;
  }
  if (goal.heading < 0 || goal.heading > 3 || goal.edge < 0 || goal.edge > 3) return;
  const GridLoc start = goal.gridLoc;
  RoadGoal driven = goal;
  if (!DriveToVertexOrBack(*this, driven)) return;
  if (driven.edge != kOnVertex) {
    goal = driven;
    return;
  }
  driven.heading = driven.edge = ReverseDirection(driven.heading);
  for (int moves = 0; !SameTile(driven.gridLoc, start); ++moves) {
    MoveAlongHeading(driven);
    CheckGoal(driven);
    if (!TRAFFIC_CHECK(driven.edge != kOnVertex && moves < kMaxGoalMoves, "false", "P3rdgrph")) return;
  }
  goal = driven;
}
