#include <vector>

#include "Drovane/Arena.h"
#include "game/traffic/P3Road.h"
#include "game/traffic/RoadGraph.h"
#include "game/traffic/RoadWalk.h"
#include "game/traffic/TrafficAssert.h"
#include "game/world/CityStart.h"

namespace {

constexpr int kTimeLimit = 32000;
// The longest run one step entry holds below the reversal mark.
constexpr int kLongestRunCount = 254;

// One tile an edge passes, in driving order from its vertex, with the direction in which
// it is left.
struct PassedTile {
  int x, y;
  int leave;
  bool reversal;  // a dead end: the road turns back here
};

// The tiles of an edge's stretch, and where it ends.
struct Stretch {
  std::vector<PassedTile> tiles;
  RoadWalkEnd end;
  int timeOfTiles = 0;
};

Stretch WalkStretch(const RoadGraph& graph, int nx, int ny, int direction) {
  Stretch stretch;
  stretch.end = WalkRoad(graph, nx, ny, direction, [&](int x, int y, int leave) {
    stretch.tiles.push_back({x, y, leave, false});
    stretch.timeOfTiles += P3RoadTileTime(CityTileId(*graph.City(), x, y));
  });
  if (!stretch.end.deadEnd) return stretch;
  // Back the way it came: each tile is left against the heading it was entered with.
  stretch.tiles.back().reversal = true;
  for (int i = static_cast<int>(stretch.tiles.size()) - 2; i >= 0; --i) {
    int entered = i == 0 ? direction : stretch.tiles[static_cast<size_t>(i - 1)].leave;
    PassedTile back = stretch.tiles[static_cast<size_t>(i)];
    stretch.tiles.push_back({back.x, back.y, ReverseDirection(entered), false});
  }
  return stretch;
}

// The slope code of a tile in a step list: 1 level; on a sloped piece 2 when the walk back
// toward the vertex climbs the way the piece names, else 0.
int StepSlopeCode(uint32_t id, int walkBack) {
  if (id < 31 || id > 34) return 1;
  int matching = static_cast<int>(id - 30 + 2) & 3;
  return walkBack == matching ? 2 : 0;
}

uint8_t StepCode(const CityArrays& city, const PassedTile& tile) {
  uint32_t id = CityTileId(city, tile.x, tile.y);
  int slope = StepSlopeCode(id, ReverseDirection(tile.leave));
  return static_cast<uint8_t>(tile.leave | slope << 2 | (P3RoadIsHighway(id) ? 16 : 0));
}

// Runs of tiles left in the same direction; a dead end's turning tile is a run of its own.
std::vector<RoadStep> StepsOf(const CityArrays& city, const std::vector<PassedTile>& tiles) {
  std::vector<RoadStep> steps;
  bool previousReversal = false;
  for (const PassedTile& tile : tiles) {
    bool extend = !steps.empty() && !tile.reversal && !previousReversal &&
                  StepDirection(steps.back()) == tile.leave && steps.back().count < kLongestRunCount;
    if (extend) {
      ++steps.back().count;
    } else {
      steps.push_back({0, tile.reversal ? kReversalCount : uint8_t{0}});
    }
    // The entry takes the slope and highway flag of its tile farthest from the vertex.
    steps.back().code = StepCode(city, tile);
    previousReversal = tile.reversal;
  }
  return steps;
}

}  // namespace

bool RoadGraph::Build(const CityArrays& city, int arena) {
  Clear();
  mCity = &city;
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) RGLength[x] = static_cast<uint8_t>(RGLength[x] + IsVertexTile(x, y));
  }
  for (int x = 0; x < kCitySize; ++x) {
    if (RGLength[x] == 0) continue;
    column[x] = ArenaNewArray<RoadGraphVertex>(arena, RGLength[x]);
    if (!column[x]) {
      Clear();
      return false;
    }
    int yindex = 0;
    for (int y = 0; y < kCitySize; ++y) {
      if (!IsVertexTile(x, y)) continue;
      RoadGraphVertex& v = column[x][yindex++];
      v.x = static_cast<uint8_t>(x);
      v.y = static_cast<uint8_t>(y);
      v.highway = P3RoadIsHighway(CityTileId(city, x, y)) ? 1 : 0;
    }
  }
  for (int x = 0; x < kCitySize; ++x) {
    for (int yindex = 0; yindex < RGLength[x]; ++yindex) {
      for (int d = 0; d < 4; ++d) {
        if (BuildEdge(column[x][yindex], d, arena)) continue;
        Clear();
        return false;
      }
    }
  }
  return true;
}

bool RoadGraph::BuildEdge(RoadGraphVertex& v, int direction, int arena) {
  int nx = 0, ny = 0;
  if (!UsableDirection(v.x, v.y, direction, nx, ny)) return true;
  Stretch stretch = WalkStretch(*this, nx, ny, direction);
  const RoadGraphVertex* neighbour = stretch.end.deadEnd ? &v : VertexAt(stretch.end.x, stretch.end.y);
  if (!neighbour) return true;
  uint32_t bits = stretch.end.deadEnd ? DirectionBit(direction) * 0x11 : DirectionBit(direction);
  v.directionBits = static_cast<uint8_t>(v.directionBits | bits);
  RoadGraphEdge& edge = v.edges[direction];
  edge.column = neighbour->x;
  edge.yindex = static_cast<uint8_t>(neighbour - column[neighbour->x]);
  int time = P3RoadTileTime(CityTileId(*mCity, v.x, v.y)) + stretch.timeOfTiles;
  if (!TRAFFIC_CHECK(time < kTimeLimit, "pEdge->Time < 32000", "P3rdgrph")) time = kTimeLimit;
  edge.Time = static_cast<uint16_t>(time);
  std::vector<RoadStep> steps = StepsOf(*mCity, stretch.tiles);
  if (steps.empty()) return true;
  edge.steps = ArenaNewArray<RoadStep>(arena, steps.size());
  if (!edge.steps) return false;
  for (size_t i = 0; i < steps.size(); ++i) edge.steps[i] = steps[i];
  edge.stepCount = static_cast<uint16_t>(steps.size());
  return true;
}

bool P3BuildRoadGraph() {
  if (!gCityArrays || CityArena < 0) {
    gRoadGraph.Clear();
    return false;
  }
  return gRoadGraph.Build(*gCityArrays, CityArena);
}
