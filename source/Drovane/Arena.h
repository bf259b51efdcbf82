#pragma once
#include <cstddef>
#include <cstdint>
#include <new>

// Bulk memory for the world, the city arrays, the 3D engine's resources and the dynamic
// objects. An arena is a chain of blocks handed out by bumping a pointer; it is given back
// only as a whole, by resetting it (blocks kept for reuse) or destroying it. Arenas are
// named by their index in one table of 32 slots. No lock: one thread uses an arena at a time.

constexpr int kMaxArenas = 32;
constexpr uint32_t kArenaBlockSize = 8192;

// One block of an arena; the record is kept apart from the block's memory.
struct ArenaBlock {
  ArenaBlock* next = nullptr;
  uint8_t* start = nullptr;
  size_t size = 0;
  size_t used = 0;  // bytes handed out from start on
};

// Process-wide byte counts, shown by the frame-rate overlay. The 3D engine's vertex pools
// add their own buffers to allocated, peak and in use.
struct MemoryStatistics {
  uint32_t allocated = 0;  // taken from the heap for arenas, their records and aligned blocks
  uint32_t peak = 0;       // the highest allocated has been
  uint32_t released = 0;   // given back to the heap by destroyed arenas
  uint32_t inUse = 0;      // handed out to callers and not yet reset or destroyed
};
extern MemoryStatistics gMemoryStatistics;

// Adds to allocated and raises peak with it.
void CountAllocated(uint32_t bytes);
// Heap memory taken outside the arenas (vertex pools, work arrays): counted as allocated
// (raising peak) and in use; uncounting takes it off both again while it is only briefly held.
void CountHeapBlock(uint32_t bytes);
void UncountHeapBlock(uint32_t bytes);

// The lowest empty slot with a first block of exactly firstBlockSize bytes; -1 when all
// 32 slots are taken.
int ArenaCreate(uint32_t firstBlockSize);
// Every allocation is rounded up to this many bytes, so that records holding pointers,
// 64-bit integers or doubles lie aligned in a 64-bit build (4 bytes did that for 32 bits).
constexpr uint32_t kArenaAlignment = 8;

// size bytes rounded up to a multiple of kArenaAlignment, not cleared. Null only for an index that names
// no arena; running out of heap ends the program.
void* ArenaAlloc(int arena, uint32_t size);
// count value-initialised records of type T; null for an index that names no arena or a
// count the arena cannot hold in one allocation.
template <class T>
T* ArenaNewArray(int arena, size_t count) {
  static_assert(alignof(T) <= kArenaAlignment, "the arena aligns to kArenaAlignment");
  if (count > (UINT32_MAX - kArenaAlignment) / sizeof(T)) return nullptr;
  void* memory = ArenaAlloc(arena, static_cast<uint32_t>(count * sizeof(T)));
  if (!memory) return nullptr;
  T* records = static_cast<T*>(memory);
  for (size_t i = 0; i < count; ++i) new (records + i) T{};
  return records;
}
// ArenaAlloc; the name is for diagnostics and the flag is ignored.
void* ArenaAllocNamed(int arena, const char* name, uint32_t size);
void* ArenaAllocFlagged(int arena, const char* name, uint32_t size, int flag);
// Forgets every allocation of the arena; its blocks are reused from the first one on.
void ArenaReset(int arena);
// Frees every block and empties the slot.
void ArenaDestroy(int arena);
// A fresh block of size bytes; ends the program with "Out of memory" when the heap refuses.
ArenaBlock* ArenaNewBlock(size_t size);
// A 65536-byte block whose address is a multiple of 65536, never given back; null when the
// heap refuses.
void* AllocAligned64K();
// The number of arenas in use.
int ArenaCount();

// The application's two start-up arenas (first blocks of 64 KB): the scratch arena, which
// loading code resets freely (the body loader after every body), and the general arena.
// -1 while they do not exist.
extern int gScratchArena;
extern int gGeneralArena;
constexpr uint32_t kApplicationArenaSize = 65536;
void CreateApplicationArenas();
void DestroyApplicationArenas();
