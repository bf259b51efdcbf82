#include "citygen/CityRules.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <set>

#include "game/world/CityArrays.h"
#include "game/world/TileCatalogue.h"

namespace {

constexpr int kSide = kCitySize;
constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {-1, 0, 1, 0};
const char* const kDirectionNames[4] = {"north", "east", "south", "west"};

bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kSide && y < kSide; }
int Opposite(int d) { return (d + 2) & 3; }
uint8_t Bit(int d) { return static_cast<uint8_t>(1 << d); }

std::string At(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

int Altitude(const CityArrays& city, int x, int y) { return city.AltMap[x][y] & 0x1F; }
int Depth(const CityArrays& city, int x, int y) { return CityWaterField(city, x, y); }
int Slope(const CityArrays& city, int x, int y) { return city.auxPtr3[x][y]; }
// The direction a slope tile rises toward: 1 west, 2 north, 3 east, 4 south.
int RisingDirection(int slope) { return (slope + 2) & 3; }
TileInfo Info(const CityArrays& city, int x, int y) { return LookUpTile(CityTileId(city, x, y)); }

// ---- ground ----

void CheckWaterTile(const CityArrays& city, int x, int y, std::vector<std::string>& faults) {
  int depth = Depth(city, x, y);
  if (depth > 5) faults.push_back("water deeper than 5 at " + At(x, y));
  if (Altitude(city, x, y) != 0 || Slope(city, x, y) != 0) faults.push_back("water above altitude 0 at " + At(x, y));
  for (int d = 0; d < 4; ++d) {
    int nx = x + kStepX[d], ny = y + kStepY[d];
    if (!Inside(nx, ny)) continue;
    int next = Depth(city, nx, ny);
    if (next == 0 && depth != 1) faults.push_back("water at the shore deeper than 1 at " + At(x, y));
    if (next != 0 && std::abs(next - depth) > 1) faults.push_back("water depth jumps " + std::string(kDirectionNames[d]) + " of " + At(x, y));
  }
}

void CheckStep(const CityArrays& city, int x, int y, int d, std::vector<std::string>& faults) {
  int nx = x + kStepX[d], ny = y + kStepY[d];
  if (!Inside(nx, ny)) return;
  int here = Altitude(city, x, y), there = Altitude(city, nx, ny);
  if (here == there) return;
  if (std::abs(here - there) > 1) return faults.push_back("altitude jumps by more than 1 at " + At(x, y));
  bool lowerHere = here < there;
  int lx = lowerHere ? x : nx, ly = lowerHere ? y : ny;
  int toward = lowerHere ? d : Opposite(d);
  int slope = Slope(city, lx, ly);
  if (slope < 1 || slope > 4 || RisingDirection(slope) != toward)
    faults.push_back("altitude changes without a slope rising toward it at " + At(lx, ly));
}

void CheckSlopeTile(const CityArrays& city, int x, int y, std::vector<std::string>& faults) {
  int slope = Slope(city, x, y);
  if (slope == 0) return;
  if (slope > 4) return faults.push_back("unknown slope at " + At(x, y));
  int d = RisingDirection(slope), nx = x + kStepX[d], ny = y + kStepY[d];
  if (!Inside(nx, ny) || Altitude(city, nx, ny) != Altitude(city, x, y) + 1)
    faults.push_back("slope rises toward no higher tile at " + At(x, y));
}

// ---- networks ----

struct Network {
  const char* name;
  bool rail;
};

bool IsWildcard(uint32_t id) { return id == 75 || id == 76; }

uint8_t Exits(const CityArrays& city, int x, int y, bool rail) {
  TileInfo info = Info(city, x, y);
  uint8_t exits = (rail ? info.railExits : info.roadExits) & 15;
  // A bridge end names the way off the bridge; the bridge lies behind it.
  if (!rail && info.kind == TileKind::kBridgeEnd) exits |= static_cast<uint8_t>((exits << 2 | exits >> 2) & 15);
  return exits;
}

bool InsideBlock(const CityArrays& city, int x, int y, int d) {
  if (Info(city, x, y).kind != TileKind::kHighway) return false;
  int nx = x + kStepX[d], ny = y + kStepY[d];
  return (nx & ~1) == (x & ~1) && (ny & ~1) == (y & ~1);
}

// Whether the exit of (x, y) toward d meets an exit of its neighbour.
bool Answered(const CityArrays& city, int x, int y, int d, bool rail) {
  int nx = x + kStepX[d], ny = y + kStepY[d];
  if (!Inside(nx, ny)) return false;
  if (!rail && IsWildcard(CityTileId(city, nx, ny))) return true;
  return Exits(city, nx, ny, rail) & Bit(Opposite(d));
}

// The exits of a tile that lead out of it, leaving out those inside its highway block; a
// wildcard ramp leads only where a neighbour leads into it.
uint8_t OuterExits(const CityArrays& city, int x, int y, bool rail) {
  uint8_t exits = Exits(city, x, y, rail);
  bool wildcard = !rail && IsWildcard(CityTileId(city, x, y));
  for (int d = 0; d < 4; ++d) {
    bool idle = wildcard && !Answered(city, x, y, d, false);
    if (InsideBlock(city, x, y, d) || idle) exits &= static_cast<uint8_t>(~Bit(d));
  }
  return exits;
}

int CountPieces(const CityArrays& city, bool rail, std::vector<std::string>& faults) {
  std::vector<std::vector<bool>> seen(kSide, std::vector<bool>(kSide));
  int pieces = 0;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      if (seen[x][y] || Exits(city, x, y, rail) == 0) continue;
      if (++pieces == 2) faults.push_back(std::string(rail ? "rail" : "road") + " network split: " + At(x, y) + " is cut off");
      std::deque<std::pair<int, int>> queue{{x, y}};
      seen[x][y] = true;
      while (!queue.empty()) {
        auto [cx, cy] = queue.front();
        queue.pop_front();
        uint8_t exits = Exits(city, cx, cy, rail);
        for (int d = 0; d < 4; ++d) {
          int nx = cx + kStepX[d], ny = cy + kStepY[d];
          bool joined = InsideBlock(city, cx, cy, d) || ((exits & Bit(d)) && Answered(city, cx, cy, d, rail));
          if (!joined || !Inside(nx, ny) || seen[nx][ny] || Exits(city, nx, ny, rail) == 0) continue;
          seen[nx][ny] = true;
          queue.emplace_back(nx, ny);
        }
      }
    }
  }
  return pieces;
}

void CheckExits(const CityArrays& city, bool rail, std::vector<std::string>& faults) {
  std::vector<std::string> open;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      uint8_t exits = OuterExits(city, x, y, rail);
      for (int d = 0; d < 4; ++d) {
        if ((exits & Bit(d)) && !Answered(city, x, y, d, rail))
          open.push_back(std::string(rail ? "rail" : "road") + " exit " + kDirectionNames[d] + " of " + At(x, y) +
                         " meets nothing");
      }
    }
  }
  // One dead end is allowed.
  if (open.size() > 1) faults.insert(faults.end(), open.begin(), open.end());
  CountPieces(city, rail, faults);
}

void CheckHighwayBlocks(const CityArrays& city, std::vector<std::string>& faults) {
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      if (Info(city, x, y).kind != TileKind::kHighway) continue;
      uint32_t anchor = CityTileId(city, x & ~1, y & ~1);
      if (CityTileId(city, x, y) != anchor) faults.push_back("highway piece not whole on its block at " + At(x, y));
    }
  }
}

// Whether the tile id may stand on the tile's ground.
void CheckPieceGround(const CityArrays& city, int x, int y, std::vector<std::string>& faults) {
  uint32_t id = CityTileId(city, x, y);
  TileInfo info = LookUpTile(id);
  bool water = Depth(city, x, y) != 0;
  bool bridge = info.kind == TileKind::kBridge || info.kind == TileKind::kRailBridge;
  if (water && id != 0 && !bridge) faults.push_back("a piece that cannot stand on water at " + At(x, y));
  if (!water && bridge) faults.push_back("a bridge on dry land at " + At(x, y));
  int slope = Slope(city, x, y);
  bool roadSlope = id >= 31 && id <= 34, railSlope = id >= 46 && id <= 49;
  if (roadSlope && slope != static_cast<int>(id) - 30) faults.push_back("road slope off its slope tile at " + At(x, y));
  if (slope != 0 && id != 0 && !roadSlope && !railSlope) faults.push_back("a piece that cannot stand on a slope at " + At(x, y));
  if (!railSlope) return;
  int rise = static_cast<int>(id) - 45;
  if (slope == rise) return;
  int d = RisingDirection(rise), nx = x + kStepX[d], ny = y + kStepY[d];
  bool toBridge = slope == 0 && Inside(nx, ny) && Info(city, nx, ny).kind == TileKind::kRailBridge;
  if (!toBridge) faults.push_back("rail slope rising toward neither a hill nor a bridge at " + At(x, y));
}

// ---- buildings ----

bool IsBuildingId(uint32_t id) { return (id & 0xFF) >= 112; }
bool IsOpenGround(TileKind kind) {
  return kind == TileKind::kHelipad || kind == TileKind::kAirBasePad || kind == TileKind::kHangarApron;
}
bool IsRoad(const CityArrays& city, int x, int y) { return Inside(x, y) && Exits(city, x, y, false) != 0; }
bool IsStationRoad(const CityArrays& city, int x, int y) {
  return Inside(x, y) && city.auxPtr1[x][y] >= 29 && city.auxPtr1[x][y] <= 43;
}

struct Footprint {
  int x, y, size;
  uint32_t id;
};

// Splits the building tiles into footprints, each found at its first tile in x-major order.
std::vector<Footprint> FindFootprints(const CityArrays& city, std::vector<std::string>& faults) {
  std::vector<std::vector<bool>> seen(kSide, std::vector<bool>(kSide));
  std::vector<Footprint> footprints;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      uint32_t id = CityTileId(city, x, y);
      if (seen[x][y] || !IsBuildingId(id)) continue;
      int size = LookUpTile(id).size;
      bool whole = x + size <= kSide && y + size <= kSide;
      for (int dx = 0; whole && dx < size; ++dx) {
        for (int dy = 0; dy < size; ++dy) whole = whole && !seen[x + dx][y + dy] && CityTileId(city, x + dx, y + dy) == id;
      }
      if (!whole) {
        faults.push_back("building " + std::to_string(id) + " not whole on its " + std::to_string(size) + " x " +
                         std::to_string(size) + " tiles at " + At(x, y));
        seen[x][y] = true;
        continue;
      }
      for (int dx = 0; dx < size; ++dx) {
        for (int dy = 0; dy < size; ++dy) seen[x + dx][y + dy] = true;
      }
      footprints.push_back({x, y, size, id});
    }
  }
  return footprints;
}

void CheckFootprint(const CityArrays& city, const Footprint& f, std::vector<std::string>& faults) {
  bool level = true, beside = false;
  for (int dx = 0; dx < f.size; ++dx) {
    for (int dy = 0; dy < f.size; ++dy) {
      int x = f.x + dx, y = f.y + dy;
      level = level && Depth(city, x, y) == 0 && Slope(city, x, y) == 0 && Altitude(city, x, y) == Altitude(city, f.x, f.y);
      for (int d = 0; d < 4; ++d) beside = beside || IsRoad(city, x + kStepX[d], y + kStepY[d]);
    }
  }
  if (!level) faults.push_back("building " + std::to_string(f.id) + " not on level dry land at " + At(f.x, f.y));
  if (!beside && !IsOpenGround(LookUpTile(f.id).kind))
    faults.push_back("building " + std::to_string(f.id) + " beside no road at " + At(f.x, f.y));
}

// Where a station finds its road, as the dispatch looks for it: -1 for none.
int StationAccess(const CityArrays& city, const Footprint& f) {
  int cx = f.x + 1, cy = f.y + 1;
  if (IsStationRoad(city, cx, cy)) return (cx + cy) % 4;
  for (int i = 0; i < 4; ++i) {
    int d = (cx + cy + i) % 4;
    if (IsStationRoad(city, cx + 2 * kStepX[d], cy + 2 * kStepY[d])) return d;
  }
  return -1;
}

bool IsStation(uint32_t id) { return id >= 209 && id <= 211; }

bool HasNeighbour(const CityArrays& city, int x, int y, uint32_t id) {
  for (int d = 0; d < 4; ++d) {
    int nx = x + kStepX[d], ny = y + kStepY[d];
    if (Inside(nx, ny) && CityTileId(city, nx, ny) == id) return true;
  }
  return false;
}

bool AnyTile(const CityArrays& city, bool (*test)(const CityArrays&, int, int)) {
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      if (test(city, x, y)) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> CheckGround(const CityArrays& city) {
  std::vector<std::string> faults;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      if (Depth(city, x, y) != 0) CheckWaterTile(city, x, y, faults);
      CheckSlopeTile(city, x, y, faults);
      CheckStep(city, x, y, 1, faults);
      CheckStep(city, x, y, 2, faults);
    }
  }
  return faults;
}

std::vector<std::string> CheckNetworks(const CityArrays& city) {
  std::vector<std::string> faults;
  CheckExits(city, false, faults);
  CheckExits(city, true, faults);
  CheckHighwayBlocks(city, faults);
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) CheckPieceGround(city, x, y, faults);
  }
  return faults;
}

std::vector<std::string> CheckBuildings(const CityArrays& city) {
  std::vector<std::string> faults;
  std::set<uint32_t> reached;
  for (const Footprint& f : FindFootprints(city, faults)) {
    CheckFootprint(city, f, faults);
    if (IsStation(f.id) && StationAccess(city, f) >= 0) reached.insert(f.id);
  }
  for (uint32_t station : {209u, 210u, 211u}) {
    if (!reached.count(station)) faults.push_back("no station " + std::to_string(station) + " with road access");
  }
  bool hangar = AnyTile(city, [](const CityArrays& c, int x, int y) {
    return CityTileId(c, x, y) == 248 && HasNeighbour(c, x, y, 246);
  });
  if (!hangar) faults.push_back("no hangar 248 beside an apron 246");
  return faults;
}

std::vector<std::string> CheckShowcase(const CityArrays& city) {
  std::vector<std::string> faults;
  std::set<uint32_t> ids;
  std::set<int> depths;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) {
      ids.insert(CityTileId(city, x, y));
      depths.insert(Depth(city, x, y));
    }
  }
  std::vector<uint32_t> wanted;
  // The road, highway and rail pieces are every id from 29 to 107 but 92.
  for (uint32_t id = 29; id <= 107; ++id) {
    if (id != 92) wanted.push_back(id);
  }
  for (uint32_t id : {0x8051u, 0x8052u, 0x8053u, 0x8054u, 0x8055u, 0x8056u, 0x8057u, 0x8058u, 0x8059u, 0x805Au, 0x805Bu,
                      0x805Du, 0x805Eu, 0x805Fu, 0x8060u, 0x806Au, 0x806Bu})
    wanted.push_back(id);
  for (uint32_t id : wanted) {
    char name[16];
    std::snprintf(name, sizeof name, "0x%X", id);
    if (!ids.count(id)) faults.push_back(std::string("no tile piece ") + (id & 0x8000 ? name : std::to_string(id)));
  }
  for (int depth = 1; depth <= 5; ++depth) {
    if (!depths.count(depth)) faults.push_back("no water of depth " + std::to_string(depth));
  }
  bool open = AnyTile(city, [](const CityArrays& c, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        if (!Inside(x + dx, y + dy) || Depth(c, x + dx, y + dy) == 0) return false;
      }
    }
    return true;
  });
  if (!open) faults.push_back("no open water");
  std::vector<std::string> ignored;
  bool without = false, atEdge = false;
  for (const Footprint& f : FindFootprints(city, ignored)) {
    if (!IsStation(f.id)) continue;
    without = without || StationAccess(city, f) < 0;
    atEdge = atEdge || f.x == 0 || f.y == 0 || f.x + 3 == kSide || f.y + 3 == kSide;
  }
  if (!without) faults.push_back("no station without road access");
  if (!atEdge) faults.push_back("no station at the map's edge");
  // Criminal target kinds 0-4: homes, services, shops, offices, industry.
  const std::vector<std::vector<uint32_t>> kinds = {{112, 113, 114, 115, 116, 117, 118, 120, 121, 122, 123, 140, 141, 142, 143},
                                                    {209, 210, 211},
                                                    {144, 145, 146, 147},
                                                    {158, 159, 160, 161, 162, 163, 164, 165, 188, 189, 190, 191, 192, 193},
                                                    {198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 215, 222, 246, 248}};
  for (size_t kind = 0; kind < kinds.size(); ++kind) {
    bool found = std::any_of(kinds[kind].begin(), kinds[kind].end(), [&](uint32_t id) { return ids.count(id) > 0; });
    if (!found) faults.push_back("no building of criminal target kind " + std::to_string(kind));
  }
  if (!ids.count(215)) faults.push_back("no plaza 215");
  if (!ids.count(119)) faults.push_back("no air-base pad 119");
  int helipads = 0;
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) helipads += CityTileId(city, x, y) == 222;
  }
  if (helipads < 3) faults.push_back("fewer than three helipads 222");
  if (!AnyTile(city, [](const CityArrays& c, int x, int y) { return CityTileId(c, x, y) == 246 && HasNeighbour(c, x, y, 222); }))
    faults.push_back("no hangar apron 246 beside the helipads");
  return faults;
}

std::vector<std::string> CheckCity(const CityArrays& city, bool showcase) {
  std::vector<std::string> faults = CheckGround(city);
  for (auto* check : {CheckNetworks, CheckBuildings}) {
    std::vector<std::string> more = check(city);
    faults.insert(faults.end(), more.begin(), more.end());
  }
  if (showcase) {
    std::vector<std::string> more = CheckShowcase(city);
    faults.insert(faults.end(), more.begin(), more.end());
  }
  return faults;
}
