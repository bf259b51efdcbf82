#include "game/world/WorldShutdown.h"

#include "Drovane/Arena.h"
#include "game/world/CityStart.h"
#include "game/world/DyobjArena.h"
#include "game/world/WorldStage.h"

void WorldShutdown() {
  if (WorldReady == 0) return;
  CityStop();
  if (DyobjArena >= 0) ArenaDestroy(DyobjArena);
  DyobjArena = -1;
  WorldReady = 0;
}
