#include "pel3d/ArenaRecords.h"

#include "Drovane/Arena.h"

namespace {

constexpr size_t kArenaAlignment = 4;

}  // namespace

void* ArenaAllocAligned(int arena, size_t size, size_t alignment) {
  size_t spare = alignment > kArenaAlignment ? alignment - kArenaAlignment : 0;
  if (size > UINT32_MAX - spare) return nullptr;
  void* memory = ArenaAlloc(arena, static_cast<uint32_t>(size + spare));
  if (!memory) return nullptr;
  uintptr_t address = reinterpret_cast<uintptr_t>(memory);
  uintptr_t aligned = (address + alignment - 1) & ~(static_cast<uintptr_t>(alignment) - 1);
  return static_cast<uint8_t*>(memory) + (aligned - address);
}
