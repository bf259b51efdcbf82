#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/traffic/P3Road.h"
#include "game/traffic/RoadDirections.h"
#include "game/traffic/RoadGraph.h"
#include "game/world/CityArrays.h"
#include "game/traffic/RoadGraphFixture.h"

namespace {

std::string Name(const RoadGraphVertex& v, int d) {
  return "edge " + std::to_string(d) + " of (" + std::to_string(v.x) + ", " + std::to_string(v.y) + ")";
}

struct Replay {
  int x = 0, y = 0;
  int heading = 0;
  int outwardTime = 0;
  bool reversed = false;
  bool straightOverWater = true;
  bool throughHighwayBlock = false;
  std::vector<std::pair<int, int>> tiles;
};

// Drives the step list from the vertex: the first move along the edge's own direction,
// then each entry's tiles, each left in the entry's direction.
Replay ReplayEdge(const RoadGraph& graph, const RoadGraphVertex& v, int d) {
  const CityArrays& city = *graph.City();
  const RoadGraphEdge& edge = v.edges[d];
  Replay r;
  r.x = v.x + kTileStepX[d];
  r.y = v.y + kTileStepY[d];
  r.heading = d;
  for (int i = 0; i < edge.stepCount; ++i) {
    RoadStep step = edge.steps[i];
    if (step.count == kReversalCount) r.reversed = true;
    for (int t = 0; t <= StepFurtherTiles(step); ++t) {
      uint32_t id = CityTileId(city, r.x, r.y);
      if (!r.reversed || step.count == kReversalCount) r.outwardTime += P3RoadTileTime(id);
      if (IsHighwayBlockId(id)) r.throughHighwayBlock = true;
      r.tiles.emplace_back(r.x, r.y);
      bool onWater = r.x >= 0 && r.y >= 0 && r.x < kCitySize && r.y < kCitySize && CityWaterField(city, r.x, r.y);
      bool turnsBack = step.count == kReversalCount;
      if (onWater && !turnsBack && StepDirection(step) != r.heading) r.straightOverWater = false;
      r.heading = StepDirection(step);
      r.x += kTileStepX[r.heading];
      r.y += kTileStepY[r.heading];
    }
  }
  return r;
}

void ExpectEdge(const RoadGraph& graph, const RoadGraphVertex& v, int d, bool exemptHighwayBlocks) {
  const RoadGraphEdge& edge = v.edges[d];
  const RoadGraphVertex* w = graph.Neighbour(edge);
  ASSERT_NE(w, nullptr) << Name(v, d);
  Replay r = ReplayEdge(graph, v, d);
  EXPECT_EQ(r.x, w->x) << Name(v, d);
  EXPECT_EQ(r.y, w->y) << Name(v, d);
  EXPECT_TRUE(r.straightOverWater) << Name(v, d);
  int time = P3RoadTileTime(CityTileId(*graph.City(), v.x, v.y)) + r.outwardTime;
  EXPECT_EQ(edge.Time, std::min(time, 32000)) << Name(v, d);
  bool deadEnd = DeadEndDirections(v) & DirectionBit(d);
  EXPECT_EQ(deadEnd, r.reversed) << Name(v, d);
  if (deadEnd) {
    EXPECT_EQ(w, &v) << Name(v, d);
  }
  // The way back: the neighbour's edge against the arrival heading leads here. On the 2 x 2
  // highway pieces the walk takes the first way open in a fixed order, and the two lanes of
  // a ramp share a block, so the way back may come out on another lane or arm.
  if (exemptHighwayBlocks && r.throughHighwayBlock) return;
  int back = ReverseDirection(r.heading);
  ASSERT_TRUE(OpenDirections(*w) & DirectionBit(back)) << Name(v, d);
  EXPECT_EQ(graph.Neighbour(w->edges[back]), &v) << Name(v, d);
}

}  // namespace

std::set<std::pair<int, int>> TilesThroughHighwayBlocks(const RoadGraph& graph) {
  std::set<std::pair<int, int>> tiles;
  for (int x = 0; x < kCitySize; ++x) {
    for (int yindex = 0; yindex < graph.RGLength[x]; ++yindex) {
      const RoadGraphVertex& v = graph.column[x][yindex];
      for (int d = 0; d < 4; ++d) {
        if (!(OpenDirections(v) & DirectionBit(d))) continue;
        Replay r = ReplayEdge(graph, v, d);
        if (r.throughHighwayBlock) tiles.insert(r.tiles.begin(), r.tiles.end());
      }
    }
  }
  return tiles;
}

void ExpectGraphInvariants(const RoadGraph& graph, bool exemptHighwayBlocks) {
  for (int x = 0; x < kCitySize; ++x) {
    for (int yindex = 0; yindex < graph.RGLength[x]; ++yindex) {
      const RoadGraphVertex& v = graph.column[x][yindex];
      EXPECT_EQ(v.x, x);
      if (yindex > 0) {
        EXPECT_LT(graph.column[x][yindex - 1].y, v.y);
      }
      if (IsHighwayBlockId(CityTileId(*graph.City(), v.x, v.y))) {
        EXPECT_TRUE(v.x % 2 == 1 && v.y % 2 == 1);
      }
      EXPECT_EQ(DeadEndDirections(v) & ~OpenDirections(v), 0u);
      for (int d = 0; d < 4; ++d) {
        if (OpenDirections(v) & DirectionBit(d)) ExpectEdge(graph, v, d, exemptHighwayBlocks);
      }
    }
  }
}
