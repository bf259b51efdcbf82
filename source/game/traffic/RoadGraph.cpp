#include "game/traffic/RoadGraph.h"

#include "game/traffic/P3Road.h"
#include "game/traffic/RoadDirections.h"
#include "game/traffic/TrafficAssert.h"

RoadGraph gRoadGraph;

namespace {

bool InMap(int x, int y) { return x >= 0 && y >= 0 && x < kCitySize && y < kCitySize; }

struct Candidate {
  int direction;
  int x, y;
};

}  // namespace

void RoadGraph::Clear() {
  for (int x = 0; x < kCitySize; ++x) {
    column[x] = nullptr;
    RGLength[x] = 0;
  }
  mCity = nullptr;
}

uint8_t RoadGraph::FindYIndex(int x, int y) const {
  int length = x >= 0 && x < kCitySize ? RGLength[x] : 0;
  int yindex = 0;
  while (yindex < length && column[x][yindex].y != y) ++yindex;
  if (!TRAFFIC_CHECK(yindex < length, "yindex < RGLength[x]", "P3rdgrph")) return kNoIndex;
  return static_cast<uint8_t>(yindex);
}

RoadGraphVertex* RoadGraph::VertexAt(int x, int y) const {
  if (!InMap(x, y)) return nullptr;
  for (int yindex = 0; yindex < RGLength[x]; ++yindex) {
    if (column[x][yindex].y == y) return &column[x][yindex];
  }
  return nullptr;
}

RoadGraphVertex* RoadGraph::Vertex(int x, int yindex) const {
  if (x < 0 || x >= kCitySize || yindex < 0 || yindex >= RGLength[x]) return nullptr;
  return &column[x][yindex];
}

int RoadGraph::VertexCount() const {
  int count = 0;
  for (int x = 0; x < kCitySize; ++x) count += RGLength[x];
  return count;
}

bool RoadGraph::IsVertexTile(int x, int y) const {
  if (!mCity || !InMap(x, y) || !P3RoadIsVertexTile(*mCity, x, y)) return false;
  // A highway junction stands for its 2 x 2 block at the block's odd corner only.
  return !IsHighwayBlockId(CityTileId(*mCity, x, y)) || (x % 2 == 1 && y % 2 == 1);
}

int RoadGraph::StepAlongRoad(int heading, int x, int y, int& newHeading) const {
  heading &= 3;
  newHeading = heading;
  if (!mCity || !InMap(x, y)) return -1;
  // Over water the road is a bridge: straight on to the far bank.
  if (CityWaterField(*mCity, x, y) != 0) {
    int nx = x + kTileStepX[heading], ny = y + kTileStepY[heading];
    if (!InMap(nx, ny)) return -1;
    return IsVertexTile(nx, ny) ? -2 : heading;
  }
  uint32_t id = CityTileId(*mCity, x, y);
  bool block = IsHighwayBlockId(id);
  int bx = block ? x & ~1 : x, by = block ? y & ~1 : y;
  int step = block ? 2 : 1, lowest = block ? 1 : 0;
  const Candidate candidates[4] = {{0, bx, by - 1}, {1, bx + step, by}, {3, bx - 1, by}, {2, bx, by + step}};
  for (const Candidate& c : candidates) {
    if (c.direction == ReverseDirection(heading)) continue;
    if (c.x < lowest || c.y < lowest || c.x >= kCitySize || c.y >= kCitySize) continue;
    if (!P3RoadConnects(id, CityTileId(*mCity, c.x, c.y), DirectionBit(heading), DirectionBit(c.direction))) continue;
    newHeading = c.direction;
    return IsVertexTile(c.x, c.y) ? -2 : c.direction;
  }
  return -1;
}

bool RoadGraph::UsableDirection(int x, int y, int direction, int& nx, int& ny) const {
  if (!mCity || !InMap(x, y)) return false;
  uint32_t id = CityTileId(*mCity, x, y);
  // The junction of two highways reaches its east and south neighbours across its block.
  int h = id == 105 ? 1 : 0, s = id == 105 ? 2 : 1;
  bool inside = direction == 0 ? y > h : direction == 1 ? x < kCitySize - 1 - h : direction == 2 ? y < kCitySize - 1 - h : x > h;
  if (!inside) return false;
  nx = direction == 1 ? x + s : direction == 3 ? x - 1 : x;
  ny = direction == 2 ? y + s : direction == 0 ? y - 1 : y;
  uint32_t bit = DirectionBit(direction);
  return P3RoadConnects(id, CityTileId(*mCity, nx, ny), bit, bit);
}
