#include "game/world/TerrainMaps.h"

#include <algorithm>

#include "Drovane/Arena.h"
#include "Drovane/DebugLog.h"
#include "game/world/CityArrays.h"
#include "game/world/CityTileBodies.h"
#include "game/world/TileCatalogue.h"

TerrainMaps* gTerrain = nullptr;

namespace {

constexpr int kSlopeRise = 32;

enum Slope : uint8_t { kRisingWest = 1, kRisingNorth = 2, kRisingEast = 3, kRisingSouth = 4 };

uint8_t CellSlope(const CityArrays& city, int x, int y) {
  if (x >= kCitySize || y >= kCitySize) return 0;
  uint8_t slope = city.auxPtr3[x][y];
  return slope >= kRisingWest && slope <= kRisingSouth ? slope : 0;
}

int CellWater(const CityArrays& city, int x, int y) {
  return CityWaterField(city, SourceTileCoordinate(x), SourceTileCoordinate(y));
}

bool IsRaised(const CityArrays& city, int x, int y) { return LookUpTile(CityTileId(city, x, y)).raised; }

void Raise(TerrainMaps& maps, int i, int j, int height) {
  int16_t& corner = maps.cornerHeight[i & 255][j & 255];
  corner = static_cast<int16_t>(std::max<int>(corner, height));
}

void GiveCorners(TerrainMaps& maps, const CityArrays& city, int x, int y) {
  int height = CellBaseHeight(city, x, y);
  uint8_t slope = CellSlope(city, x, y);
  // North-west, north-east, south-west, south-east.
  const int corners[4][2] = {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}};
  const bool high[5][4] = {{}, {true, false, true, false}, {true, true, false, false},
                           {false, true, false, true}, {false, false, true, true}};
  for (int k = 0; k < 4; ++k) Raise(maps, corners[k][0], corners[k][1], height + (high[slope][k] ? kSlopeRise : 0));
}

uint8_t WaterKind(int waterField) { return static_cast<uint8_t>(4 + std::clamp(waterField, 1, 5)); }

uint8_t BaseKind(const CityArrays& city, int x, int y) {
  int water = CellWater(city, x, y);
  if (water == 0) return static_cast<uint8_t>(kKindLand + CellSlope(city, x, y));
  return IsRaised(city, x, y) ? kKindUnderRaisedPiece : WaterKind(water);
}

bool NextToWater(const CityArrays& city, int x, int y) {
  const int steps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
  for (const auto& step : steps) {
    if (CellWater(city, (x + step[0]) & 255, (y + step[1]) & 255) != 0) return true;
  }
  return false;
}

uint8_t CellKind(const CityArrays& city, int x, int y) {
  uint8_t kind = BaseKind(city, x, y);
  return kind >= kKindLand && NextToWater(city, x, y) ? kKindBeach : kind;
}

uint8_t GrassTile(int x, int y) {
  uint32_t hash = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
  return static_cast<uint8_t>(kGroundGrass + (hash >> 7 & 3));
}

uint8_t CellGroundTile(const CityArrays& city, int x, int y, uint8_t kind) {
  if (IsRaised(city, x, y)) {
    int water = CellWater(city, x, y);
    return water == 0 ? uint8_t{kGroundConcrete} : WaterKind(water);
  }
  int byId = TileGroundByKind(CityTileId(city, x, y));
  if (byId >= 0) return static_cast<uint8_t>(byId);
  if (kind == kKindBeach) return kGroundBeach;
  if (kind >= kKindWaterFirst && kind <= kKindWaterLast) return kind;
  return GrassTile(x, y);
}

}  // namespace

int SourceTileCoordinate(int cell) {
  cell &= 255;
  if (cell < kCitySize) return cell;
  return cell < 192 ? kCitySize - 1 : 0;
}

int TileAltitude(const CityArrays& city, int x, int y) { return city.AltMap[x][y] & 0x1F; }

int CellBaseHeight(const CityArrays& city, int x, int y) {
  return AltitudeHeight(TileAltitude(city, SourceTileCoordinate(x), SourceTileCoordinate(y)));
}

bool BuildTerrain(const CityArrays& city, int arena) {
  gTerrain = ArenaNewArray<TerrainMaps>(arena, 1);
  if (!gTerrain) {
    DebugPrintf("BuildTerrain: no room for the terrain maps\n");
    return false;
  }
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) {
      GiveCorners(*gTerrain, city, x, y);
      gTerrain->kind[x][y] = CellKind(city, x, y);
      gTerrain->groundTile[x][y] = CellGroundTile(city, x, y, gTerrain->kind[x][y]);
    }
  }
  return true;
}

uint8_t TerrainKind(int x, int y) { return gTerrain ? gTerrain->kind[x & 255][y & 255] : 0; }

bool IsNavigableWater(int x, int y) {
  uint8_t kind = TerrainKind(x, y);
  return kind >= kKindWaterFirst && kind <= kKindWaterLast;
}

uint32_t GroundTexture(int x, int y) {
  return kGroundTextureBase + (gTerrain ? gTerrain->groundTile[x & 255][y & 255] : 0);
}
