#include "game/world/TileObjects.h"

#include "game/world/CityArrays.h"
#include "game/world/CityStart.h"
#include "game/world/TileCatalogue.h"

int tileObjID(int x, int y) {
  if (!gCityArrays || x < 0 || y < 0 || x >= kCitySize || y >= kCitySize) return -1;
  return gCityArrays->auxPtr1[x][y];
}

BuildingRecord BuildingOfObjectId(int id) {
  TileInfo info = LookUpTile(static_cast<uint32_t>(id) & 0xFF);
  BuildingRecord record{info.size, 0};
  if (info.kind == TileKind::kHelipad || info.kind == TileKind::kHangarApron || info.kind == TileKind::kAirBasePad) {
    record.flags |= kBuildingNoMissionPlace;
  }
  return record;
}
