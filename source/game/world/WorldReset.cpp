#include "game/world/WorldReset.h"

#include "game/traffic/LaneTables.h"
#include "game/traffic/RoadGraph.h"
#include "game/world/CityStart.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldCity.h"
#include "game/world/WorldGlobals.h"
#include "game/world/WorldLighting.h"
#include "game/world/WorldStage.h"

int32_t WorldReset(int32_t restart) {
  if (restart) WorldStageMask = 0;
  BeginWorldStage(kStageCity);
  gCameraMode = CMODE_PERSON;
  const bool started = CityStart(WorldCityPath());
  InvalidateViewGrid();
  BeginWorldStage(kStageRoads);
  if (started) {
    P3BuildRoadGraph();
    P3BuildLaneTables();
  }
  WorldLighting(gNightFlag);
  return started ? 1 : 0;
}
