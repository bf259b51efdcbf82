#include "game/traffic/RoadPathSearch.h"

#include <cstdlib>

#include "game/traffic/DispatchPath.h"
#include "game/traffic/PathQueue.h"
#include "game/traffic/RoadGraph.h"

namespace {

enum class Ordering { kTravelTime, kTileDistance };

uint16_t TileOf(const RoadGraphVertex& v) { return static_cast<uint16_t>(v.x | v.y << 8); }

void ResetSearchFields(RoadGraph& graph) {
  for (int x = 0; x < kCitySize; ++x) {
    for (int yindex = 0; yindex < graph.RGLength[x]; ++yindex) {
      RoadGraphVertex& v = graph.column[x][yindex];
      v.closed = 0;
      v.parentColumn = v.parentYIndex = kNoIndex;
    }
  }
}

int Search(RoadGraph& graph, uint16_t startKey, uint16_t targetKey, Ordering ordering) {
  RoadGraphVertex* start = graph.Vertex(KeyColumn(startKey), KeyYIndex(startKey));
  RoadGraphVertex* target = graph.Vertex(KeyColumn(targetKey), KeyYIndex(targetKey));
  if (!start || !target) return 0;
  if (start == target) {
    target->arrival = kNoIndex;
    target->parentColumn = static_cast<uint8_t>(KeyColumn(targetKey));
    target->parentYIndex = static_cast<uint8_t>(KeyYIndex(targetKey));
    return 1;
  }
  auto costOf = [&](const RoadGraphVertex& v, int32_t pathCost) {
    return ordering == Ordering::kTravelTime ? pathCost : RoadPathSearch::Distance(TileOf(v), TileOf(*target));
  };
  gPathQueue.Reset();
  ResetSearchFields(graph);
  PathEntry first{static_cast<uint8_t>(KeyColumn(startKey)), static_cast<uint8_t>(KeyYIndex(startKey))};
  first.cost = costOf(*start, 0);
  gPathQueue.Push(first);
  while (!gPathQueue.Empty()) {
    PathEntry entry = gPathQueue.Pop();
    RoadGraphVertex* v = graph.Vertex(entry.column, entry.yindex);
    if (!v || v->closed) continue;
    v->parentColumn = entry.parentColumn;
    v->parentYIndex = entry.parentYIndex;
    v->arrival = entry.arrival;
    v->closed = 1;
    if (v == target) return RouteLength(graph, startKey, targetKey) > 0 ? 1 : 0;
    for (int d = 0; d < 4; ++d) {
      if (!(OpenDirections(*v) & 1u << d)) continue;
      const RoadGraphEdge& edge = v->edges[d];
      RoadGraphVertex* next = graph.Neighbour(edge);
      if (!next || next->closed) continue;
      gPathQueue.Push({edge.column, edge.yindex, static_cast<uint8_t>(d), entry.column, entry.yindex,
                       costOf(*next, entry.cost + edge.Time)});
    }
  }
  return 0;
}

}  // namespace

namespace RoadPathSearch {

int Distance(uint16_t a, uint16_t b) {
  int dx = std::abs((b & 255) - (a & 255)), dy = std::abs((b >> 8) - (a >> 8));
  return dy < dx ? dx + (dy >> 1) : dy + (dx >> 1);
}

int ShortestPath(RoadGraph& graph, uint16_t start, uint16_t target) {
  return Search(graph, start, target, Ordering::kTravelTime);
}

int GreedyPath(RoadGraph& graph, uint16_t start, uint16_t target) {
  return Search(graph, start, target, Ordering::kTileDistance);
}

}  // namespace RoadPathSearch
