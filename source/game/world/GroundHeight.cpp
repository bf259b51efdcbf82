#include "game/world/GroundHeight.h"

#include <algorithm>

#include "game/world/CellMap.h"
#include "game/world/TerrainMaps.h"
#include "pel3d/bodies/BodyHeightProbe.h"

namespace {

constexpr int kLevelLimit = 9;  // whole units
constexpr Fixedpoint kCellSpan = kCellUnits * kFixedOne;
constexpr Fixedpoint kProbeStartY = 34 * kFixedOne;
constexpr Fixedpoint kProbeRadius = 3;
constexpr Fixedpoint kProbeHeight = 5;

// The corner heights of a cell in 16.16.
struct CellCorners {
  int64_t northWest, northEast, southWest, southEast;
};

CellCorners CornersOf(int x, int y) {
  auto at = [](int i, int j) { return static_cast<int64_t>(gTerrain->cornerHeight[i & 255][j & 255]) * kFixedOne; };
  return {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)};
}

// The way from a centre to a point on the wrapping map, between -8192.0 and +8192.0.
Fixedpoint WrappedOffset(Fixedpoint point, int centre) {
  uint32_t way = static_cast<uint32_t>(point) - static_cast<uint32_t>(centre) * kFixedOne + kWorldHalf;
  return static_cast<Fixedpoint>(way & (2u * kWorldHalf - 1)) - kWorldHalf;
}

bool IsLevel(const CellCorners& c) {
  int64_t low = std::min({c.northWest, c.northEast, c.southWest, c.southEast});
  int64_t high = std::max({c.northWest, c.northEast, c.southWest, c.southEast});
  return high - low < kLevelLimit * kFixedOne;
}

}  // namespace

Fixedpoint GroundHeight(Fixedpoint x, Fixedpoint z, int32_t* level) {
  if (level) *level = 0;
  if (!gTerrain) return 0;
  const uint32_t east = static_cast<uint32_t>(x) + kWorldHalf;
  const uint32_t south = kWorldHalf - static_cast<uint32_t>(z);
  const CellCorners c = CornersOf(static_cast<int>(east >> 22 & 255), static_cast<int>(south >> 22 & 255));
  if (level) *level = IsLevel(c) ? 1 : 0;
  const int64_t u = east & (kCellSpan - 1);  // east of the cell's west edge
  const int64_t v = south & (kCellSpan - 1);  // south of its north edge
  int64_t height;
  if (u + v < kCellSpan) {
    height = c.northWest + (c.northEast - c.northWest) * u / kCellSpan + (c.southWest - c.northWest) * v / kCellSpan;
  } else {
    height = c.southEast + (c.southWest - c.southEast) * (kCellSpan - u) / kCellSpan +
             (c.northEast - c.southEast) * (kCellSpan - v) / kCellSpan;
  }
  return static_cast<Fixedpoint>(height);
}

Fixedpoint GroundHeightWithObjects(Fixedpoint x, Fixedpoint z) {
  Fixedpoint ground = GroundHeight(x, z);
  const cell_info* cell = CellOfPoint(x, z);
  if (!cell) return ground;
  const Fixedpoint bodyX = WrappedOffset(x, cell->originX);
  const Fixedpoint bodyZ = WrappedOffset(z, cell->originZ);
  for (const StaticObjectNode* node = FirstNode(*cell); node; node = NextNode(*node)) {
    if (!node->body) continue;
    uint32_t word = node->drawFlags;
    Fixedpoint top = ProbeBodyContact(node->body, bodyX, kProbeStartY, bodyZ, word, kProbeRadius, kProbeHeight);
    ground = std::max(ground, cell->originY * kFixedOne + top);
  }
  return ground;
}
