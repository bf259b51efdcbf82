#include "pel3d/files/ResourceGroup.h"

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"

namespace {

int gCurrentGroupArena = -1;

}  // namespace

int GetCurrentGroupArena() { return gCurrentGroupArena; }

int CreateGroupArena(uint32_t firstBlockSize) {
  gCurrentGroupArena = ArenaCreate(firstBlockSize);
  if (gCurrentGroupArena < 0) SetLastResourceError(kErrorOutOfMemory);
  return gCurrentGroupArena;
}

void EndGroupBuild() { gCurrentGroupArena = -1; }

bool RequireGroupArena() {
  if (gCurrentGroupArena >= 0) return true;
  SetLastResourceError(kErrorOutOfMemory);
  return false;
}

ResourceGroup* AllocateGroupHeader() {
  if (!RequireGroupArena()) return nullptr;
  ResourceGroup* group = ArenaNewArray<ResourceGroup>(gCurrentGroupArena, 1);
  if (!group) SetLastResourceError(kErrorOutOfMemory);
  return group;
}
