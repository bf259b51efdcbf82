#pragma once
#include <cstdint>

// The tile object ids of the city and what the people's missions ask of them.

// Flags of a building record.
constexpr uint8_t kBuildingNoMissionPlace = 0x1;  // helipads, the apron and the 119 pad

struct BuildingRecord {
  uint8_t size = 1;  // in tiles on a side
  uint8_t flags = 0;
};

// The XBLD byte of the started city's tile (x, y); -1 outside the city or with no city.
int tileObjID(int x, int y);
// The building record of a tile object id (0-255).
BuildingRecord BuildingOfObjectId(int id);
