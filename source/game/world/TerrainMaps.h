#pragma once
#include <cstdint>

#include "game/world/CellMap.h"

struct CityArrays;

// The ground of the whole map: the height of every grid corner, the kind of every cell and
// the ground tile drawn on it. Corner (i, j) is the north-west corner of cell (i, j), at
// X = 64i - 8192, Z = 8192 - 64j; the map wraps.
struct TerrainMaps {
  int16_t cornerHeight[kMapSize][kMapSize];  // whole units
  uint8_t kind[kMapSize][kMapSize];
  uint8_t groundTile[kMapSize][kMapSize];
};

// Terrain kinds of a cell.
constexpr uint8_t kKindUnderRaisedPiece = 0;  // water under a bridge or highway
constexpr uint8_t kKindWaterFirst = 5;  // 5-9: navigable water
constexpr uint8_t kKindWaterLast = 9;
constexpr uint8_t kKindLand = 10;  // 10-14: land, + the slope (1-4) of the tile
constexpr uint8_t kKindBeach = 15;  // land beside water

// The city's terrain while a city is started; null before.
extern TerrainMaps* gTerrain;

// The city coordinate whose tile a cell coordinate takes its ground from: itself in the
// city, the nearest city edge outside it (128-191 toward 127, 192-255 toward 0).
int SourceTileCoordinate(int cell);
// The tile's altitude (bits 0-4 of its AltMap word) and its height, altitude x 32 + 32.
int TileAltitude(const CityArrays& city, int x, int y);
inline int AltitudeHeight(int altitude) { return altitude * 32 + 32; }
// The height of a cell: its source tile's.
int CellBaseHeight(const CityArrays& city, int x, int y);

// Builds the three maps in the arena; false (with a debug line) when the arena refuses.
bool BuildTerrain(const CityArrays& city, int arena);

// Queries of the built maps, wrapping at the edges; 0 before any city.
uint8_t TerrainKind(int x, int y);
bool IsNavigableWater(int x, int y);
uint32_t GroundTexture(int x, int y);
