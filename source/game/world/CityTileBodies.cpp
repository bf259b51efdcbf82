#include "game/world/CityTileBodies.h"

#include <array>

#include "game/world/CellRecords.h"
#include "game/world/TileCatalogue.h"

namespace {

constexpr uint32_t kFlipped = 0x8000;

// Bodies 0-99: rubble, trees and the raised pieces, then the paved lots.
constexpr int kRubbleBodies = 0;  // sizes 1-4
constexpr int kTreeBodies = 4;  // ids 6-12
constexpr int kRampBodies = 11;  // ids 73-80, four each
constexpr int kHighwayBodies = 43;  // ids 97-107, then flipped 106-107
constexpr int kBridgeBodies = 56;  // ids 81-89, then flipped
constexpr int kBridgeEndBodies = 74;  // ids 93-96, then flipped
constexpr int kRailSlopeBodies = 82;  // ids 46-49
constexpr int kRailBridgeBodies = 86;  // ids 90-91, then flipped
constexpr int kLotBodies = 90;  // sizes 2-4
// Bodies 200-282: the catalogued buildings 112-255 in id order, the far bodies of the
// offices and towers in id order, then plain buildings sharing 18 bodies.
constexpr int kBuildingBodies = 200;
constexpr int kPlainBodyCount = 18;

bool IsPlainBuilding(uint32_t id) { return (id & 0xFF) >= 112 && LookUpTile(id).kind == TileKind::kBuilding; }
bool HasFarBody(TileKind kind) { return kind == TileKind::kOffice || kind == TileKind::kTower; }

struct BuildingNumbers {
  std::array<int, 256> body{};
  std::array<int, 256> far{};
  int plainFirst = 0;
};

BuildingNumbers NumberBuildings() {
  BuildingNumbers numbers;
  numbers.body.fill(kNoBody);
  numbers.far.fill(kNoBody);
  int next = kBuildingBodies;
  for (uint32_t id = 112; id < 256; ++id) {
    if (!IsPlainBuilding(id)) numbers.body[id] = next++;
  }
  for (uint32_t id = 112; id < 256; ++id) {
    if (HasFarBody(LookUpTile(id).kind)) numbers.far[id] = next++;
  }
  numbers.plainFirst = next;
  return numbers;
}

const BuildingNumbers& Buildings() {
  static const BuildingNumbers numbers = NumberBuildings();
  return numbers;
}

// Pieces whose flipped ids have bodies of their own, flippedOffset further on.
int Flippable(uint32_t id, int first, uint32_t low, int flippedOffset) {
  int offset = static_cast<int>((id & 0xFF) - low);
  return first + offset + (id & kFlipped ? flippedOffset : 0);
}

int RaisedBodyId(uint32_t id) {
  uint32_t low = id & 0xFF;
  switch (LookUpTile(id).kind) {
    case TileKind::kHighwayRamp: return kRampBodies + 4 * static_cast<int>(low - 73);
    case TileKind::kHighway:
      return id & kFlipped ? kHighwayBodies + 11 + static_cast<int>(low - 106) : kHighwayBodies + static_cast<int>(low - 97);
    case TileKind::kBridge: return Flippable(id, kBridgeBodies, 81, 9);
    case TileKind::kBridgeEnd: return Flippable(id, kBridgeEndBodies, 93, 4);
    case TileKind::kRailSlope: return kRailSlopeBodies + static_cast<int>(low - 46);
    case TileKind::kRailBridge: return Flippable(id, kRailBridgeBodies, 90, 2);
    default: return kNoBody;
  }
}

int BuildingBodyId(uint32_t id) {
  uint32_t low = id & 0xFF;
  if (IsPlainBuilding(id)) return Buildings().plainFirst + static_cast<int>(low % kPlainBodyCount);
  return Buildings().body[low];
}

}  // namespace

int TileBodyId(uint32_t tileId) {
  TileInfo info = LookUpTile(tileId);
  uint32_t low = tileId & 0xFF;
  if (info.kind == TileKind::kRubble) return kRubbleBodies + info.size - 1;
  if (info.kind == TileKind::kTrees) return kTreeBodies + static_cast<int>(low - 6);
  if (info.raised) return RaisedBodyId(tileId);
  if (low >= 112) return BuildingBodyId(tileId);
  return kNoBody;
}

int RampBodyId(uint32_t tileId, RampDirection direction) {
  if (LookUpTile(tileId).kind != TileKind::kHighwayRamp) return kNoBody;
  return TileBodyId(tileId) + direction;
}

int FarBodyId(uint32_t tileId) {
  if (!HasFarBody(LookUpTile(tileId).kind)) return kNoBody;
  return Buildings().far[tileId & 0xFF];
}

int LotBodyId(int size) { return size >= 2 && size <= 4 ? kLotBodies + size - 2 : kNoBody; }

bool HasPavedLot(uint32_t tileId) { return (tileId & 0xFF) >= 112 && LookUpTile(tileId).size >= 2; }

uint32_t TileNodeFlags(uint32_t tileId) {
  TileInfo info = LookUpTile(tileId);
  switch (info.kind) {
    case TileKind::kTrees: return kNodeTree;
    case TileKind::kRubble: return kNodeRubble;
    case TileKind::kAirBasePad: return kNodeAirBasePad;
    case TileKind::kHelipad: return kNodeHelipad;
    case TileKind::kHangarApron: return kNodeHangarApron;
    default: return info.raised ? kNodeDeck : kNodeBuilding;
  }
}

bool CoversGround(uint32_t tileId) {
  TileKind kind = LookUpTile(tileId).kind;
  return HasPavedLot(tileId) || kind == TileKind::kAirBasePad || kind == TileKind::kHelipad ||
         kind == TileKind::kHangarApron;
}

bool IsCityBodyId(int bodyId) {
  return (bodyId >= 0 && bodyId < kLotBodies + 3) || (bodyId >= kBuildingBodies && bodyId < Buildings().plainFirst + kPlainBodyCount);
}

namespace {

int ExitsTile(uint8_t exits, int first) {
  static constexpr uint8_t kExitOrder[] = {5, 10, 3, 6, 12, 9, 11, 7, 14, 13, 15};
  for (int i = 0; i < 11; ++i) {
    if (kExitOrder[i] == (exits & 15)) return first + i;
  }
  return -1;
}

bool IsPavedKind(TileKind kind) {
  switch (kind) {
    case TileKind::kShop:
    case TileKind::kHospital:
    case TileKind::kPoliceStation:
    case TileKind::kFireStation:
    case TileKind::kPlaza:
    case TileKind::kAirBasePad:
    case TileKind::kHelipad:
    case TileKind::kHangarApron: return true;
    default: return false;
  }
}

}  // namespace

int TileGroundByKind(uint32_t tileId) {
  TileInfo info = LookUpTile(tileId);
  switch (info.kind) {
    case TileKind::kRoadOverRail: return (info.roadExits & 15) == 5 ? kGroundRoadOverRail : kGroundRoadOverRail + 1;
    case TileKind::kRoad: return ExitsTile(info.roadExits, kGroundRoad);
    case TileKind::kRail: return ExitsTile(info.railExits, kGroundRail);
    case TileKind::kHouse: return kGroundLawn;
    case TileKind::kRubble: return kGroundRubble;
    default: break;
  }
  if (IsPavedKind(info.kind) || HasPavedLot(tileId)) return kGroundPaving;
  return -1;
}
