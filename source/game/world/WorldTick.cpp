#include "game/world/WorldTick.h"

#include "game/world/ViewGrid.h"
#include "game/world/WorldFrameTime.h"

void WorldTick() {
  AdvanceWorldClock();
  // The visible cells: the grid follows the viewer before the frame draws it.
  CenterViewGrid();
}
