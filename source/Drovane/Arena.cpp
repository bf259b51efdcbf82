#include "Drovane/Arena.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Drovane/DebugLog.h"

MemoryStatistics gMemoryStatistics;
int gScratchArena = -1;
int gGeneralArena = -1;

namespace {

struct ArenaRecord {
  ArenaBlock* first = nullptr;
  ArenaBlock* current = nullptr;
};

std::array<ArenaRecord*, kMaxArenas> gArenas{};
int gArenaCount = 0;

// The aligned blocks are never given back; their heap addresses stay reachable to the end,
// in a list that is never destroyed.
std::vector<void*>& AlignedAllocations() {
  static auto* allocations = new std::vector<void*>;
  return *allocations;
}

[[noreturn]] void OutOfMemory() {
  std::fputs("Out of memory\n", stderr);
  std::exit(1);
}

ArenaRecord* FindArena(int arena) {
  if (arena < 0 || arena >= kMaxArenas) return nullptr;
  return gArenas[static_cast<size_t>(arena)];
}

uint32_t BlockCost(const ArenaBlock& block) {
  return static_cast<uint32_t>(block.size + sizeof(ArenaBlock));
}

// The block that takes an allocation of n bytes once the current one is full: the next
// block of the chain (kept from before a reset) when it can hold n, else a new block linked
// in right behind the current one.
ArenaBlock* NextBlockFor(ArenaBlock* current, size_t n) {
  ArenaBlock* next = current->next;
  if (next && n <= next->size) return next;
  ArenaBlock* block = ArenaNewBlock(n > kArenaBlockSize ? n : kArenaBlockSize);
  block->next = next;
  current->next = block;
  return block;
}

}  // namespace

void CountAllocated(uint32_t bytes) {
  gMemoryStatistics.allocated += bytes;
  if (gMemoryStatistics.allocated > gMemoryStatistics.peak)
    gMemoryStatistics.peak = gMemoryStatistics.allocated;
}

void CountHeapBlock(uint32_t bytes) {
  CountAllocated(bytes);
  gMemoryStatistics.inUse += bytes;
}

void UncountHeapBlock(uint32_t bytes) {
  gMemoryStatistics.allocated -= bytes;
  gMemoryStatistics.inUse -= bytes;
}

ArenaBlock* ArenaNewBlock(size_t size) {
  auto* memory = static_cast<uint8_t*>(std::malloc(size ? size : 1));
  auto* block = new (std::nothrow) ArenaBlock;
  if (!memory || !block) OutOfMemory();
  block->start = memory;
  block->size = size;
  CountAllocated(BlockCost(*block));
  return block;
}

int ArenaCreate(uint32_t firstBlockSize) {
  for (size_t slot = 0; slot < gArenas.size(); ++slot) {
    if (gArenas[slot]) continue;
    auto* arena = new (std::nothrow) ArenaRecord;
    if (!arena) OutOfMemory();
    CountAllocated(sizeof(ArenaRecord));
    arena->first = arena->current = ArenaNewBlock(firstBlockSize);
    gArenas[slot] = arena;
    ++gArenaCount;
    return static_cast<int>(slot);
  }
  return -1;
}

void* ArenaAlloc(int index, uint32_t size) {
  ArenaRecord* arena = FindArena(index);
  if (!arena) {
    DebugPrintf("ArenaAlloc: no arena %d\n", index);
    return nullptr;
  }
  size_t n = (static_cast<size_t>(size) + kArenaAlignment - 1) & ~static_cast<size_t>(kArenaAlignment - 1);
  ArenaBlock* block = arena->current;
  // An allocation that would end exactly at the block's end also moves on.
  if (block->used + n >= block->size) {
    block = NextBlockFor(block, n);
    arena->current = block;
  }
  void* pointer = block->start + block->used;
  block->used += n;
  gMemoryStatistics.inUse += static_cast<uint32_t>(n);
  return pointer;
}

void* ArenaAllocNamed(int arena, const char*, uint32_t size) {
  return ArenaAlloc(arena, size);
}

void* ArenaAllocFlagged(int arena, const char* name, uint32_t size, int) {
  return ArenaAllocNamed(arena, name, size);
}

void ArenaReset(int index) {
  ArenaRecord* arena = FindArena(index);
  if (!arena) return;
  // Every block is set back at once, so a second reset finds nothing more to subtract.
  for (ArenaBlock* block = arena->first; block; block = block->next) {
    gMemoryStatistics.inUse -= static_cast<uint32_t>(block->used);
    block->used = 0;
  }
  arena->current = arena->first;
}

void ArenaDestroy(int index) {
  ArenaRecord* arena = FindArena(index);
  if (!arena) return;
  ArenaBlock* block = arena->first;
  while (block) {
    ArenaBlock* next = block->next;
    gMemoryStatistics.inUse -= static_cast<uint32_t>(block->used);
    gMemoryStatistics.allocated -= BlockCost(*block);
    gMemoryStatistics.released += BlockCost(*block);
    std::free(block->start);
    delete block;
    block = next;
  }
  gMemoryStatistics.allocated -= sizeof(ArenaRecord);
  gMemoryStatistics.released += sizeof(ArenaRecord);
  delete arena;
  gArenas[static_cast<size_t>(index)] = nullptr;
  --gArenaCount;
}

void* AllocAligned64K() {
  constexpr uintptr_t kAlign = 65536;
  void* memory = std::malloc(2 * kAlign);
  if (!memory) return nullptr;
  AlignedAllocations().push_back(memory);
  uintptr_t address = (reinterpret_cast<uintptr_t>(memory) + kAlign - 1) & ~(kAlign - 1);
  CountAllocated(kAlign);
  gMemoryStatistics.inUse += kAlign;
  return static_cast<uint8_t*>(memory) + (address - reinterpret_cast<uintptr_t>(memory));
}

int ArenaCount() {
  return gArenaCount;
}

void CreateApplicationArenas() {
  if (gScratchArena < 0) gScratchArena = ArenaCreate(kApplicationArenaSize);
  if (gGeneralArena < 0) gGeneralArena = ArenaCreate(kApplicationArenaSize);
}

void DestroyApplicationArenas() {
  ArenaDestroy(gScratchArena);
  ArenaDestroy(gGeneralArena);
  gScratchArena = gGeneralArena = -1;
}
