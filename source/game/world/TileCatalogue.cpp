#include "game/world/TileCatalogue.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <utility>

namespace {

constexpr uint32_t kFlipped = 0x8000;  // the BitsMap bit of value 2
constexpr int kIdsPerHalf = 256;

struct TileRange {
  uint32_t first;
  uint32_t last;
  TileInfo info;
};

constexpr TileInfo Road(TileKind kind, uint8_t exits, bool raised = false, uint8_t size = 1) {
  return {kind, size, exits, 0, raised};
}
constexpr TileInfo Rail(TileKind kind, uint8_t exits, bool raised = false) { return {kind, 1, 0, exits, raised}; }
constexpr TileInfo Site(TileKind kind, uint8_t size = 1) { return {kind, size, 0, 0, false}; }

using K = TileKind;

// Sites and buildings, then the road pieces, then the rail pieces; a later row fills in
// what an earlier one left (the rail exits of the pieces that carry both).
const TileRange kTileRanges[] = {
    {6, 12, Site(K::kTrees)},
    {112, 118, Site(K::kHouse)},
    {119, 119, Site(K::kAirBasePad)},
    {120, 123, Site(K::kApartment, 2)},
    {140, 147, Site(K::kShop)},
    {158, 165, Site(K::kOffice, 2)},
    {188, 193, Site(K::kTower, 3)},
    {198, 202, Site(K::kWorkshop, 2)},
    {203, 207, Site(K::kFactory, 3)},
    {209, 209, Site(K::kHospital, 3)},
    {210, 210, Site(K::kPoliceStation, 3)},
    {211, 211, Site(K::kFireStation, 3)},
    {215, 215, Site(K::kPlaza, 2)},
    {222, 222, Site(K::kHelipad)},
    {246, 246, Site(K::kHangarApron)},
    {248, 248, Site(K::kHangar)},
    // Roads.
    {29, 29, Road(K::kRoad, 5)},
    {30, 30, Road(K::kRoad, 10)},
    {31, 31, Road(K::kRoad, 26)},
    {32, 32, Road(K::kRoad, 21)},
    {33, 33, Road(K::kRoad, 26)},
    {34, 34, Road(K::kRoad, 21)},
    {35, 35, Road(K::kRoad, 3)},
    {36, 36, Road(K::kRoad, 6)},
    {37, 37, Road(K::kRoad, 12)},
    {38, 38, Road(K::kRoad, 9)},
    {39, 39, Road(K::kRoad, 11)},
    {40, 40, Road(K::kRoad, 7)},
    {41, 41, Road(K::kRoad, 14)},
    {42, 42, Road(K::kRoad, 13)},
    {43, 43, Road(K::kRoad, 15)},
    {63, 63, Road(K::kRoadOverRail, 10)},
    {64, 64, Road(K::kRoadOverRail, 5)},
    {65, 65, Road(K::kRoadOverRail, 10)},
    {66, 67, Road(K::kRoadOverRail, 5)},
    {68, 68, Road(K::kRoadOverRail, 10)},
    {69, 69, Road(K::kRoadOverRail, 5)},
    {70, 70, Road(K::kRoadOverRail, 10)},
    {73, 73, Road(K::kHighwayRamp, 5, true)},
    {74, 74, Road(K::kHighwayRamp, 10, true)},
    // The road network lets 75 and 76 connect across any side the vehicle crosses.
    {75, 76, Road(K::kHighwayRamp, 15, true)},
    {77, 77, Road(K::kHighwayRamp, 5, true)},
    {78, 78, Road(K::kHighwayRamp, 10, true)},
    {79, 79, Road(K::kHighwayRamp, 5, true)},
    {80, 80, Road(K::kHighwayRamp, 10, true)},
    {81, 89, Road(K::kBridge, 21, true)},
    {kFlipped + 81, kFlipped + 89, Road(K::kBridge, 26, true)},
    // A bridge end leads off the bridge on one side only.
    {93, 93, Road(K::kBridgeEnd, 2, true)},
    {94, 94, Road(K::kBridgeEnd, 1, true)},
    {95, 95, Road(K::kBridgeEnd, 8, true)},
    {96, 96, Road(K::kBridgeEnd, 4, true)},
    {kFlipped + 93, kFlipped + 93, Road(K::kBridgeEnd, 8, true)},
    {kFlipped + 94, kFlipped + 94, Road(K::kBridgeEnd, 1, true)},
    {kFlipped + 95, kFlipped + 95, Road(K::kBridgeEnd, 2, true)},
    {kFlipped + 96, kFlipped + 96, Road(K::kBridgeEnd, 4, true)},
    {97, 97, Road(K::kHighway, 26, true, 2)},
    {98, 98, Road(K::kHighway, 21, true, 2)},
    {99, 99, Road(K::kHighway, 26, true, 2)},
    {100, 100, Road(K::kHighway, 21, true, 2)},
    {101, 101, Road(K::kHighway, 3, true, 2)},
    {102, 102, Road(K::kHighway, 6, true, 2)},
    {103, 103, Road(K::kHighway, 12, true, 2)},
    {104, 104, Road(K::kHighway, 9, true, 2)},
    {105, 105, Road(K::kHighway, 15, true, 2)},
    {106, 107, Road(K::kHighway, 21, true, 2)},
    {kFlipped + 106, kFlipped + 107, Road(K::kHighway, 26, true, 2)},
    // Rail.
    {44, 44, Rail(K::kRail, 5)},
    {45, 45, Rail(K::kRail, 10)},
    {46, 46, Rail(K::kRailSlope, 26, true)},
    {47, 47, Rail(K::kRailSlope, 21, true)},
    {48, 48, Rail(K::kRailSlope, 26, true)},
    {49, 49, Rail(K::kRailSlope, 21, true)},
    {50, 50, Rail(K::kRail, 3)},
    {51, 51, Rail(K::kRail, 6)},
    {52, 52, Rail(K::kRail, 12)},
    {53, 53, Rail(K::kRail, 9)},
    {54, 54, Rail(K::kRail, 11)},
    {55, 55, Rail(K::kRail, 7)},
    {56, 56, Rail(K::kRail, 14)},
    {57, 57, Rail(K::kRail, 13)},
    {58, 58, Rail(K::kRail, 15)},
    {59, 59, Rail(K::kRail, 10)},
    {60, 60, Rail(K::kRail, 5)},
    {61, 61, Rail(K::kRail, 10)},
    {62, 62, Rail(K::kRail, 5)},
    {71, 71, Rail(K::kRail, 5)},
    {72, 72, Rail(K::kRail, 10)},
    {90, 91, Rail(K::kRailBridge, 21, true)},
    {kFlipped + 90, kFlipped + 91, Rail(K::kRailBridge, 26, true)},
};

// Rail exits of the road pieces that cross the tracks.
const std::pair<uint32_t, uint8_t> kCrossingRails[] = {{69, 10}, {70, 5}, {77, 10}, {78, 5}};

using Catalogue = std::array<TileInfo, 2 * kIdsPerHalf>;

size_t Slot(uint32_t id) { return (id & kFlipped ? kIdsPerHalf : 0) + (id & 0xFF); }

Catalogue MakeCatalogue() {
  Catalogue catalogue;
  for (uint32_t id = 0; id < kIdsPerHalf; ++id) {
    TileInfo plain = id >= 112 ? Site(K::kBuilding) : Site(K::kBareLand);
    if (id >= 1 && id <= 4) plain = Site(K::kRubble, static_cast<uint8_t>(id));
    catalogue[Slot(id)] = plain;
    catalogue[Slot(kFlipped + id)] = plain;
  }
  for (const TileRange& range : kTileRanges) {
    for (uint32_t id = range.first; id <= range.last; ++id) catalogue[Slot(id)] = range.info;
  }
  // A building stands the same whichever way the bit of value 2 is set.
  for (uint32_t id = 112; id < kIdsPerHalf; ++id) catalogue[Slot(kFlipped + id)] = catalogue[Slot(id)];
  for (auto [id, exits] : kCrossingRails) catalogue[Slot(id)].railExits = exits;
  return catalogue;
}

const char* const kKindNames[] = {
    "bare land", "rubble",  "trees",   "road",     "road over rail", "highway ramp", "highway",
    "bridge",    "bridge end", "rail", "rail slope", "rail bridge",  "house",        "apartment",
    "shop",      "office",  "tower",   "workshop", "factory",        "hospital",     "police station",
    "fire station", "plaza", "helipad", "air-base pad", "hangar apron", "hangar",    "building",
};
static_assert(std::size(kKindNames) == static_cast<size_t>(TileKind::kCount));

}  // namespace

TileInfo LookUpTile(uint32_t tileId) {
  static const Catalogue catalogue = MakeCatalogue();
  if ((tileId & ~(kFlipped | 0xFFu)) != 0) return Site(K::kBareLand);
  return catalogue[Slot(tileId)];
}

const char* TileKindName(TileKind kind) {
  size_t index = static_cast<size_t>(kind);
  return index < std::size(kKindNames) ? kKindNames[index] : "unknown";
}
