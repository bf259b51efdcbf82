#include "citygen/CityNetwork.h"

#include <cstdlib>

#include "citygen/CityPlan.h"
#include "citygen/CitySkeleton.h"

namespace {

using namespace skeleton;
using Net = std::array<std::array<uint8_t, kPlanSide>, kPlanSide>;

constexpr uint16_t kFlip = 0x8000;

bool IsStreetColumn(const CityPlan& plan, int x) {
  if (x == plan.eastStreet) return true;
  if (x > plan.eastStreet - 4 || (x - kStreetFirst) % kStreetStep != 0) return false;
  return x < kRiverX - 1 || x > kRiverX + plan.recipe.riverWidth;
}

bool IsStreetRow(const CityPlan& plan, int y) {
  if (y > kStreetLast || (y - kStreetFirst) % kStreetStep != 0) return false;
  return y < kInletTop - 1 || y > kInletTop + plan.recipe.inletWidth;
}

void Reserve(CityPlan& plan, int x0, int y0, int x1, int y1) {
  for (int x = x0; x <= x1; ++x) {
    for (int y = y0; y <= y1; ++y) {
      if (InCity(x, y)) plan.reserved[x][y] = true;
    }
  }
}

// A 2 x 2 highway piece anchored at the even tile (x, y).
void PlaceBlock(CityPlan& plan, int x, int y, uint16_t id) {
  for (int dx = 0; dx < 2; ++dx) {
    for (int dy = 0; dy < 2; ++dy) plan.piece[x + dx][y + dy] = id;
  }
}

struct Ramp {
  int x, y;
  uint16_t id;
  int outward;  // the direction of the street it leads down to
};

// Each arm of the junction: the blocks outward from it (their ids), then the ramps.
void LayHighway(CityPlan& plan, std::vector<Ramp>& ramps) {
  int jx = 2 * kJunctionBlockX, jy = 2 * kJunctionBlockY;
  PlaceBlock(plan, jx, jy, 105);
  // North: climbing north, the upper deck, down to the bend that turns east.
  PlaceBlock(plan, jx, jy - 2, 98);
  PlaceBlock(plan, jx, jy - 4, 106);
  PlaceBlock(plan, jx, jy - 6, 100);
  PlaceBlock(plan, jx, jy - 8, 102);
  ramps.push_back({jx + 2, jy - 8, 78, 1});
  ramps.push_back({jx + 2, jy - 7, 78, 1});
  // East, turning south.
  PlaceBlock(plan, jx + 2, jy, 99);
  PlaceBlock(plan, jx + 4, jy, kFlip | 106);
  PlaceBlock(plan, jx + 6, jy, 97);
  PlaceBlock(plan, jx + 8, jy, 103);
  ramps.push_back({jx + 8, jy + 2, 73, 2});
  ramps.push_back({jx + 9, jy + 2, 79, 2});
  // South, turning west.
  PlaceBlock(plan, jx, jy + 2, 100);
  PlaceBlock(plan, jx, jy + 4, 107);
  PlaceBlock(plan, jx, jy + 6, 98);
  PlaceBlock(plan, jx, jy + 8, 104);
  ramps.push_back({jx - 1, jy + 8, 74, 3});
  ramps.push_back({jx - 1, jy + 9, 80, 3});
  // West, turning north.
  PlaceBlock(plan, jx - 2, jy, 97);
  PlaceBlock(plan, jx - 4, jy, kFlip | 107);
  PlaceBlock(plan, jx - 6, jy, 99);
  PlaceBlock(plan, jx - 8, jy, 101);
  ramps.push_back({jx - 8, jy - 1, 77, 0});
  ramps.push_back({jx - 7, jy - 1, 77, 0});
  Reserve(plan, jx - 9, jy - 9, jx + 10, jy + 10);
  // The overpass, climbing east and coming down again.
  int ox = kOverpassX, oy = kOverpassY;
  PlaceBlock(plan, ox, oy, 99);
  PlaceBlock(plan, ox + 2, oy, 97);
  ramps.push_back({ox - 1, oy, 75, 3});
  ramps.push_back({ox - 1, oy + 1, 76, 3});
  ramps.push_back({ox + 4, oy, 74, 1});
  ramps.push_back({ox + 4, oy + 1, 80, 1});
  Reserve(plan, ox - 1, oy, ox + 4, oy + 1);
}

void LayRailway(CityPlan& plan) {
  Net& rail = plan.rail;
  int jx = 2 * kJunctionBlockX, jy = 2 * kJunctionBlockY;
  // The loop around the highway, through the ramps that cross the tracks.
  int top = jy - 11, row = jy - 1, west = jx - 5, east = jx + 2;
  DrawLine(rail, kLoopWest, row, west, row);
  DrawLine(rail, west, row, west, top);
  DrawLine(rail, west, top, east, top);
  DrawLine(rail, east, top, east, row);
  DrawLine(rail, east, row, kLoopEast, row);
  DrawLine(rail, kLoopEast, row, kLoopEast, kLoopSouth);
  DrawLine(rail, kLoopEast, kLoopSouth, kLoopWest, kLoopSouth);
  DrawLine(rail, kLoopWest, kLoopSouth, kLoopWest, row);
  // Across the river to the eastern loop and through it.
  DrawLine(rail, kLoopEast, kBranchRow, kEastLoopEast, kBranchRow);
  DrawLine(rail, kEastLoopWest, kEastLoopTop, kEastLoopEast, kEastLoopTop);
  DrawLine(rail, kEastLoopWest, kEastLoopBottom, kEastLoopEast, kEastLoopBottom);
  for (int x : {kEastLoopWest, kEastLoopMiddle, kEastLoopEast}) DrawLine(rail, x, kEastLoopTop, x, kEastLoopBottom);
  DrawLine(rail, kSpurX, kEastLoopBottom, kSpurX, kSpurEnd);
}

// A street may cross a track, water or a slope only straight over it, and never through
// the highway's ground.
bool StreetMayPass(const CityPlan& plan, int x, int y, bool alongColumn) {
  if (plan.reserved[x][y]) return false;
  if (plan.rail[x][y]) {
    uint8_t across = alongColumn ? (kLinkEast | kLinkWest) : (kLinkNorth | kLinkSouth);
    if (plan.rail[x][y] != across || plan.water[x][y]) return false;
  }
  uint8_t slope = plan.slope[x][y];
  if (slope) return alongColumn == (slope == 2 || slope == 4);
  return true;
}

void LayStreets(CityPlan& plan) {
  for (int x = 0; x < kPlanSide; ++x) {
    if (!IsStreetColumn(plan, x)) continue;
    for (int y = kStreetFirst; y < kStreetLast; ++y) {
      if (StreetMayPass(plan, x, y, true) && StreetMayPass(plan, x, y + 1, true)) Link(plan.road, x, y, 2);
    }
  }
  for (int y = 0; y < kPlanSide; ++y) {
    if (!IsStreetRow(plan, y)) continue;
    for (int x = kStreetFirst; x < plan.eastStreet; ++x) {
      if (StreetMayPass(plan, x, y, false) && StreetMayPass(plan, x + 1, y, false)) Link(plan.road, x, y, 1);
    }
  }
}

int LinkCount(uint8_t links) { return __builtin_popcount(links); }

void Unlink(Net& net, int x, int y) {
  for (int d = 0; d < 4; ++d) {
    if (!(net[x][y] & LinkOf(d))) continue;
    net[x + kStepX[d]][y + kStepY[d]] &= static_cast<uint8_t>(~LinkOf(Opposite(d)));
  }
  net[x][y] = 0;
}

bool IsBadStreetTile(const CityPlan& plan, int x, int y) {
  uint8_t links = plan.road[x][y];
  if (!links || plan.piece[x][y]) return false;
  if (LinkCount(links) < 2) return true;
  bool straight = links == (kLinkNorth | kLinkSouth) || links == (kLinkEast | kLinkWest);
  // Junctions and bends stand on flat dry ground away from the tracks.
  return !straight && (plan.water[x][y] || plan.slope[x][y] || plan.rail[x][y]);
}

// Removes street tiles that end nowhere or that no piece can carry, until none is left.
void PruneStreets(CityPlan& plan) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (int x = 0; x < kPlanSide; ++x) {
      for (int y = 0; y < kPlanSide; ++y) {
        if (!IsBadStreetTile(plan, x, y)) continue;
        Unlink(plan.road, x, y);
        changed = true;
      }
    }
  }
}

// Runs a road from each ramp away from the highway until it meets a street.
void JoinRamps(CityPlan& plan, const std::vector<Ramp>& ramps) {
  for (const Ramp& ramp : ramps) {
    plan.piece[ramp.x][ramp.y] = ramp.id;
    int x = ramp.x, y = ramp.y;
    while (true) {
      int nx = x + kStepX[ramp.outward], ny = y + kStepY[ramp.outward];
      if (!InCity(nx, ny) || plan.water[nx][ny]) break;
      Link(plan.road, x, y, ramp.outward);
      x = nx, y = ny;
      if (LinkCount(plan.road[x][y]) > 1) break;
    }
  }
}

// Bridge ends on both banks of some crossings: plain, then flipped, by the bank's side.
void PlaceBridgeEnds(CityPlan& plan) {
  struct Crossing {
    bool alongRow;  // the road runs east-west over the river
    int line;
    bool flipped;
  };
  const Crossing crossings[] = {{true, 12, false}, {true, 52, true}, {false, 52, false}, {false, 60, true}};
  for (const Crossing& crossing : crossings) {
    int first = crossing.alongRow ? kRiverX - 1 : kInletTop - 1;
    int last = crossing.alongRow ? kRiverX + plan.recipe.riverWidth : kInletTop + plan.recipe.inletWidth;
    int x0 = crossing.alongRow ? first : crossing.line, y0 = crossing.alongRow ? crossing.line : first;
    int x1 = crossing.alongRow ? last : crossing.line, y1 = crossing.alongRow ? crossing.line : last;
    uint8_t across = crossing.alongRow ? (kLinkEast | kLinkWest) : (kLinkNorth | kLinkSouth);
    if (plan.road[x0][y0] != across || plan.road[x1][y1] != across) continue;
    if (crossing.alongRow) {
      plan.piece[x0][y0] = crossing.flipped ? kFlip | 93 : 95;  // leads west off the bridge
      plan.piece[x1][y1] = crossing.flipped ? kFlip | 95 : 93;  // leads east
    } else {
      plan.piece[x0][y0] = crossing.flipped ? kFlip | 94 : 94;  // leads north
      plan.piece[x1][y1] = crossing.flipped ? kFlip | 96 : 96;  // leads south
    }
  }
}

// The one dead end: a street running on from the network's north edge toward the map's.
void AddDeadEnd(CityPlan& plan) {
  int x = kStreetFirst + kStreetStep;
  if (!plan.road[x][kStreetFirst]) return;
  DrawLine(plan.road, x, 2, x, kStreetFirst);
}

uint16_t ByLinks(uint8_t links, const uint16_t (&ids)[16]) { return ids[links & 15]; }

// Pieces by link bits: index = N 1, E 2, S 4, W 8.
constexpr uint16_t kRoadByLinks[16] = {0, 29, 30, 35, 29, 29, 36, 40, 30, 38, 30, 39, 37, 42, 41, 43};
constexpr uint16_t kRailByLinks[16] = {0, 44, 45, 50, 44, 44, 51, 55, 45, 53, 45, 54, 52, 57, 56, 58};
constexpr uint16_t kRoadSlopes[5] = {0, 31, 32, 33, 34};
constexpr uint16_t kRailSlopes[5] = {0, 46, 47, 48, 49};
constexpr uint16_t kStraightsNorthSouth[] = {64, 66, 67};
constexpr uint16_t kStraightsEastWest[] = {63, 65, 68};
constexpr uint16_t kRailNorthSouth[] = {44, 60, 62, 71};
constexpr uint16_t kRailEastWest[] = {45, 59, 61, 72};

uint32_t RoadPieceId(const CityPlan& plan, int x, int y, PieceCounters& counters) {
  uint8_t links = plan.road[x][y];
  bool northSouth = links == (kLinkNorth | kLinkSouth);
  if (plan.water[x][y]) {
    int kind = counters.bridge++ % 9;
    return northSouth ? 81u + kind : kFlip | (81u + kind);
  }
  if (plan.slope[x][y]) return kRoadSlopes[plan.slope[x][y]];
  if (plan.rail[x][y]) return northSouth ? 69 : 70;
  uint16_t id = ByLinks(links, kRoadByLinks);
  // The showcase city carries the other straight pieces now and then.
  if (plan.recipe.showcase && !plan.plainRoad[x][y] && (id == 29 || id == 30) && ++counters.straight % 23 == 0) {
    int pick = counters.straight / 23 % 3;
    return id == 29 ? kStraightsNorthSouth[pick] : kStraightsEastWest[pick];
  }
  return id;
}

// The bank's slope climbs toward the bridge beside it.
int BankSlope(const CityPlan& plan, int x, int y) {
  for (int d = 0; d < 4; ++d) {
    int nx = x + kStepX[d], ny = y + kStepY[d];
    if (InCity(nx, ny) && plan.water[nx][ny] && (plan.rail[x][y] & LinkOf(d))) return (d + 1) % 4 + 1;
  }
  return 0;
}

uint32_t RailPieceId(const CityPlan& plan, int x, int y, PieceCounters& counters) {
  uint8_t links = plan.rail[x][y];
  bool northSouth = links == (kLinkNorth | kLinkSouth);
  if (plan.water[x][y]) {
    uint32_t id = 90u + counters.railBridge++ % 2;
    return northSouth ? id : kFlip | id;
  }
  int slope = plan.slope[x][y] ? plan.slope[x][y] : BankSlope(plan, x, y);
  if (slope) return kRailSlopes[slope];
  uint16_t id = ByLinks(links, kRailByLinks);
  if (id == 44 || id == 45) {
    int pick = counters.railStraight++ / 5 % 4;
    return id == 44 ? kRailNorthSouth[pick] : kRailEastWest[pick];
  }
  return id;
}

}  // namespace

void DrawLine(Net& net, int x0, int y0, int x1, int y1) {
  if (x0 == x1) {
    for (int y = std::min(y0, y1); y < std::max(y0, y1); ++y) Link(net, x0, y, 2);
  } else {
    for (int x = std::min(x0, x1); x < std::max(x0, x1); ++x) Link(net, x, y0, 1);
  }
}

void LayNetworks(CityPlan& plan) {
  std::vector<Ramp> ramps;
  LayHighway(plan, ramps);
  LayRailway(plan);
  LayStreets(plan);
  PruneStreets(plan);
  JoinRamps(plan, ramps);
  PlaceBridgeEnds(plan);
  AddDeadEnd(plan);
}

uint32_t NetworkTileId(const CityPlan& plan, int x, int y, PieceCounters& counters) {
  if (plan.piece[x][y]) return plan.piece[x][y];
  if (plan.road[x][y]) return RoadPieceId(plan, x, y, counters);
  if (plan.rail[x][y]) return RailPieceId(plan, x, y, counters);
  return 0;
}
