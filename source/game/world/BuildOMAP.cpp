#include "game/world/BuildOMAP.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "Drovane/Arena.h"
#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "game/world/CellMap.h"
#include "game/world/CityArrays.h"
#include "game/world/CityTileBodies.h"
#include "game/world/TerrainMaps.h"
#include "game/world/TileCatalogue.h"
#include "pel3d/bodies/BodyEdits.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/DrawSettings.h"
#include "platform/MessageBox.h"

OmapCounts gOmapCounts;

namespace {

constexpr int kMadeUpSize = 16;

class OmapBuilder {
public:
  OmapBuilder(const CityArrays& city, int arena) : mCity(city), mArena(arena) {}

  bool Build();

private:
  int RecordSize(int x, int y, uint32_t id) const;
  cell_info* NewRecord(int x, int y, int size, int height);
  bool BuildCityRecord(int x, int y);
  bool BuildMadeUpBlock(int x, int y);
  bool AddNodes(cell_info& record, int x, int y, uint32_t id);
  bool AddNode(cell_info& record, StaticEntry**& tail, int bodyId, uint32_t flags);
  int RampBody(int x, int y, uint32_t id) const;
  bool CheckEntries();

  const CityArrays& mCity;
  int mArena;
  bool mNoGround = gDrawSettings.noGround != 0;
  std::set<int> mMissing;
};

int OmapBuilder::RecordSize(int x, int y, uint32_t id) const {
  int size = LookUpTile(id).size;
  if (size <= 1 || x + size > kCitySize || y + size > kCitySize) return 1;
  for (int i = x; i < x + size; ++i) {
    for (int j = y; j < y + size; ++j) {
      if (OMAP[i][j] || CityTileId(mCity, i, j) != id) return 1;
    }
  }
  return size;
}

cell_info* OmapBuilder::NewRecord(int x, int y, int size, int height) {
  cell_info* record = ArenaNewArray<cell_info>(mArena, 1);
  if (!record) {
    DebugPrintf("Could not alloc cell_info\n");
    ShowProgramError();
    return nullptr;
  }
  record->originX = static_cast<int16_t>(x * kCellUnits - 8192 + 32 * size);
  record->originY = static_cast<int16_t>(height);
  record->originZ = static_cast<int16_t>(8192 - 32 * size - y * kCellUnits);
  record->size = static_cast<uint16_t>(size);
  if (mNoGround) record->flags |= kCellNoGround;
  for (int i = x; i < x + size; ++i) {
    for (int j = y; j < y + size; ++j) OMAP[i][j] = record;
  }
  ++gOmapCounts.records[size];
  return record;
}

int OmapBuilder::RampBody(int x, int y, uint32_t id) const {
  const int steps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // in RampDirection order
  for (int direction = 0; direction < 4; ++direction) {
    uint32_t neighbour = CityTileId(mCity, x + steps[direction][0], y + steps[direction][1]);
    if (LookUpTile(neighbour).kind == TileKind::kHighway) {
      return RampBodyId(id, static_cast<RampDirection>(direction));
    }
  }
  return RampBodyId(id, kRampNorth);
}

bool OmapBuilder::AddNode(cell_info& record, StaticEntry**& tail, int bodyId, uint32_t flags) {
  Body* body = FindBody(bodyId);
  if (!body) {
    mMissing.insert(bodyId);
    return false;
  }
  StaticObjectNode* node = ArenaNewArray<StaticObjectNode>(mArena, 1);
  if (!node) return false;
  node->body = body;
  node->drawFlags = flags;
  *tail = node;
  tail = &node->next;
  record.topY = static_cast<int16_t>(std::max<int>(record.topY, GetBodyVodY(body) >> 16));
  ++gOmapCounts.nodes;
  return true;
}

// Adds the tile's static objects; true when one of them covers the ground (a pad or a lot).
bool OmapBuilder::AddNodes(cell_info& record, int x, int y, uint32_t id) {
  int bodyId = LookUpTile(id).kind == TileKind::kHighwayRamp ? RampBody(x, y, id) : TileBodyId(id);
  if (bodyId == kNoBody) return false;
  StaticEntry** tail = &record.staticObjects;
  if (!AddNode(record, tail, bodyId, TileNodeFlags(id))) return false;
  int farId = FarBodyId(id);
  if (farId != kNoBody) {
    if (Body* far = FindBody(farId)) {
      record.staticObjects->body->userData = far;
    } else {
      mMissing.insert(farId);
    }
  }
  if (!HasPavedLot(id)) return CoversGround(id);
  return !mNoGround && AddNode(record, tail, LotBodyId(record.size), kNodePavedLot);
}

bool OmapBuilder::BuildCityRecord(int x, int y) {
  uint32_t id = CityTileId(mCity, x, y);
  int size = RecordSize(x, y, id);
  cell_info* record = NewRecord(x, y, size, AltitudeHeight(TileAltitude(mCity, x, y)));
  if (!record) return false;
  // A block broken by a foreign tile is bare ground: its building would stand over the
  // neighbouring records.
  if (size == LookUpTile(id).size && AddNodes(*record, x, y, id)) record->flags |= kCellNoGround;
  return true;
}

bool OmapBuilder::BuildMadeUpBlock(int x, int y) {
  return NewRecord(x, y, kMadeUpSize, CellBaseHeight(mCity, x, y)) != nullptr;
}

bool OmapBuilder::CheckEntries() {
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) gOmapCounts.nullEntries += OMAP[x][y] ? 0 : 1;
  }
  if (gOmapCounts.nullEntries == 0) return true;
  DebugPrintf("NULL in OMAP! %d entries\n", gOmapCounts.nullEntries);
  platform::ShowMessageBox("NULL in OMAP!\n", "Error", platform::MB_OK);
  return false;
}

bool OmapBuilder::Build() {
  std::memset(OMAP, 0, sizeof OMAP);
  gOmapCounts = {};
  bool built = true;
  for (int x = 0; x < kCitySize && built; ++x) {
    for (int y = 0; y < kCitySize && built; ++y) {
      if (!OMAP[x][y]) built = BuildCityRecord(x, y);
    }
  }
  for (int x = 0; x < kMapSize && built; x += kMadeUpSize) {
    for (int y = 0; y < kMapSize && built; y += kMadeUpSize) {
      if (x >= kCitySize || y >= kCitySize) built = BuildMadeUpBlock(x, y);
    }
  }
  gOmapCounts.missingBodies = static_cast<int32_t>(mMissing.size());
  if (!mMissing.empty()) {
    std::string list;
    for (int id : mMissing) {
      list += ' ';
      list += std::to_string(id);
    }
    DebugPrintf("BuildOMAP: no body with id%s\n", list.c_str());
  }
  return built && CheckEntries();
}

}  // namespace

bool BuildOMAP(const CityArrays& city, int arena) { return OmapBuilder(city, arena).Build(); }
