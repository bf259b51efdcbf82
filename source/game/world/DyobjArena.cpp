#include "game/world/DyobjArena.h"

#include "Drovane/Arena.h"

int DyobjArena = -1;

namespace {

constexpr uint32_t kFirstBlock = 65536;

}  // namespace

bool CreateDyobjArena() {
  if (DyobjArena >= 0) ArenaDestroy(DyobjArena);
  DyobjArena = ArenaCreate(kFirstBlock);
  return DyobjArena >= 0;
}
