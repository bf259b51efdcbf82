#pragma once
#include <cstdint>

// What each tile id of a city stands for: the city start, the city generators and the
// tools all look here. A tile id is the tile's XBLD byte, + 0x8000 when its BitsMap has
// the bit of value 2 (CityTileId).
enum class TileKind : uint8_t {
  kBareLand,
  kRubble,          // of a burnt building; its size is its id
  kTrees,
  kRoad,
  kRoadOverRail,
  kHighwayRamp,
  kHighway,         // 2 x 2, anchored at the tile with even x and y
  kBridge,
  kBridgeEnd,
  kRail,
  kRailSlope,
  kRailBridge,
  kHouse,
  kApartment,
  kShop,
  kOffice,
  kTower,
  kWorkshop,
  kFactory,
  kHospital,
  kPoliceStation,
  kFireStation,
  kPlaza,           // where people gather
  kHelipad,
  kAirBasePad,      // of the model-2 helicopter
  kHangarApron,     // the player's start site; nothing is built on it
  kHangar,
  kBuilding,        // any other building, drawn plain
  kCount
};

// Exit bits: 1 toward y-1, 2 toward x+1, 4 toward y+1, 8 toward x-1; 16 marks a piece
// with a slope or height.
struct TileInfo {
  TileKind kind;
  uint8_t size;       // in tiles on a side
  uint8_t roadExits;
  uint8_t railExits;
  bool raised;        // stands above the ground: bridges, highways, ramps, slopes
};

// The entry of a tile id; ids the catalogue does not list are bare land, or a plain
// building for XBLD bytes 112-255.
TileInfo LookUpTile(uint32_t tileId);
// A short lower-case name for lists and legends ("fire station").
const char* TileKindName(TileKind kind);
