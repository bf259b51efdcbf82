#include "game/world/ViewDepth.h"

#include <algorithm>

#include "Drovane/DebugLog.h"
#include "game/GameSwitches.h"
#include "game/world/CellMap.h"
#include "game/world/WorldResources.h"
#include "pel3d/draw/TerrainGrid.h"

namespace {

int32_t gViewDepth = kDefaultViewDepth;

}  // namespace

int32_t ViewRadius() { return gViewDepth; }

Fixedpoint ViewDistanceOfDepth(int32_t depth) { return depth / 2 * kCellUnits * kFixedOne; }

bool SetViewDepth(int32_t depth) {
  gViewDepth = std::clamp(depth, kGridMinCells, kGridMaxCells);
  const bool laidOut = GridInit(gViewDepth) == 0;
  if (!laidOut) DebugPrintf("SetViewDepth: no memory for a grid of %d cells\n", gViewDepth);
  SetViewDistance(ViewDistanceOfDepth(gViewDepth), WorldViewLook(GetViewDistanceLook().night));
  return laidOut;
}

ViewDistanceLook WorldViewLook(bool night) { return {WorldBitmapGroup, night, gGameSwitches.fogOff != 0}; }
