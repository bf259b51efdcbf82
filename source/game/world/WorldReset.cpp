#include "game/world/WorldReset.h"

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
  WorldLighting(gNightFlag);
  return started ? 1 : 0;
}
