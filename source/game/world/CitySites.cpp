#include "game/world/CitySites.h"

#include "game/world/CellMap.h"
#include "game/world/CityArrays.h"
#include "game/world/TileCatalogue.h"

CitySites gCitySites;

namespace {

constexpr TileSite kDefaultStart{64, 64};

bool HoldsHelicopter(const cell_info* cell) {
  if (!cell) return false;
  for (const DrawObject* object = cell->firstObjects; object; object = object->nextFirst) {
    if (object->flags & kDyobjHelicopter) return true;
  }
  return false;
}

}  // namespace

CitySites FindCitySites(const CityArrays& city) {
  CitySites sites;
  TileSite apron;
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) {
      TileKind kind = LookUpTile(CityTileId(city, x, y)).kind;
      if (kind == TileKind::kHangarApron && apron.x < 0) apron = {x, y};
      if (kind == TileKind::kAirBasePad && sites.airBasePad.x < 0) sites.airBasePad = {x, y};
      if (kind == TileKind::kHelipad) sites.helipads.push_back({x, y});
    }
  }
  if (apron.x >= 0) {
    sites.start = apron;
  } else {
    sites.start = sites.helipads.empty() ? kDefaultStart : sites.helipads.front();
  }
  return sites;
}

TileSite FindFreeHelipad() {
  for (const TileSite& pad : gCitySites.helipads) {
    if (!HoldsHelicopter(CellOfTile(pad.x, pad.y))) return pad;
  }
  return gCitySites.start;
}
