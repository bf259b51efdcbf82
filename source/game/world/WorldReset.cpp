#include "game/world/WorldReset.h"

#include <string>

#include "Drovane/DataPaths.h"
#include "game/world/CityStart.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldLighting.h"
#include "game/world/WorldStage.h"

namespace {

constexpr const char* kDefaultCity = "pengland.mv2";

std::string CityPath() {
  std::string path;
  gDataPaths.GetPathString(kDataCities, 0, kDefaultCity, path);
  return path;
}

}  // namespace

int32_t WorldReset(int32_t restart) {
  if (restart) WorldStageMask = 0;
  BeginWorldStage(kStageCity);
  const bool started = CityStart(CityPath());
  InvalidateViewGrid();
  BeginWorldStage(kStageRoads);
  WorldLighting(0);
  return started ? 1 : 0;
}
