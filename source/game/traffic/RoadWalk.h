#pragma once
#include "game/traffic/RoadDirections.h"
#include "game/traffic/RoadGraph.h"

// Walking a road from a tile until it reaches a vertex or ends. A walk that would leave
// the map, or that passes more tiles than the map has (a closed road without a junction),
// ends as a dead end.
struct RoadWalkEnd {
  bool deadEnd = false;
  int x = 0, y = 0;  // the vertex reached, or the last tile of a dead end
  int heading = 0;   // the heading on arriving there
};

constexpr int kMaxWalkTiles = kCitySize * kCitySize;

// Walks from the tile (x, y), entered heading in the direction. Calls visit(x, y, leave)
// for every tile passed before the vertex, leave being the direction in which the walk
// leaves it; at a dead end the last tile is visited with the reversed heading.
template <class Visit>
RoadWalkEnd WalkRoad(const RoadGraph& graph, int x, int y, int heading, Visit&& visit) {
  for (int tiles = 0; tiles < kMaxWalkTiles; ++tiles) {
    if (graph.IsVertexTile(x, y)) return {false, x, y, heading};
    int next = heading;
    if (graph.StepAlongRoad(heading, x, y, next) == -1) break;
    int nx = x + kTileStepX[next], ny = y + kTileStepY[next];
    if (nx < 0 || ny < 0 || nx >= kCitySize || ny >= kCitySize) break;
    visit(x, y, next);
    x = nx;
    y = ny;
    heading = next;
  }
  visit(x, y, ReverseDirection(heading));
  return {true, x, y, heading};
}
