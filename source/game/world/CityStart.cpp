#include "game/world/CityStart.h"

#include <cstring>

#include "Drovane/Arena.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "game/world/BuildOMAP.h"
#include "game/world/CellMap.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "game/world/CitySites.h"
#include "game/world/TerrainMaps.h"

CityArrays* gCityArrays = nullptr;
bool gCityFellBack = false;

namespace {

constexpr uint32_t kCityArenaFirstBlock = 65536;
constexpr const char* kFallbackCity = "pengland.mv2";

bool ReadCity(const std::string& path, CityArrays& city) {
  std::string reason;
  if (CityFileRead(path, city, &reason)) return true;
  DebugPrintf("CityStart: cannot read %s: %s\n", path.c_str(), reason.c_str());
  MakeBlankCity(city, "");
  gCityFellBack = true;
  std::string fallback;
  if (!gDataPaths.GetPathString(kDataCities, 0, kFallbackCity, fallback)) return false;
  if (CityFileRead(fallback, city, &reason)) return true;
  DebugPrintf("CityStart: cannot read %s: %s\n", fallback.c_str(), reason.c_str());
  return false;
}

// Nothing may point into the arena that is about to go.
void ForgetCity() {
  std::memset(OMAP, 0, sizeof OMAP);
  gCityArrays = nullptr;
  gTerrain = nullptr;
  gCitySites = {};
}

}  // namespace

bool CityStart(const std::string& path) {
  ForgetCity();
  gCityFellBack = false;
  if (CityArena >= 0) ArenaDestroy(CityArena);
  CityArena = ArenaCreate(kCityArenaFirstBlock);
  CityArrays* city = CityArraysAlloc();
  if (!city || !ReadCity(path, *city)) return false;
  if (!BuildOMAP(*city, CityArena) || !BuildTerrain(*city, CityArena)) return false;
  gCityArrays = city;
  gCitySites = FindCitySites(*city);
  return true;
}

void CityStop() {
  ForgetCity();
  if (CityArena >= 0) ArenaDestroy(CityArena);
  CityArena = -1;
}
