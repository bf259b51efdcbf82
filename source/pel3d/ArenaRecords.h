#pragma once
#include <cstddef>
#include <cstdint>
#include <new>

// Arena memory for records that hold pointers. The arena hands out memory aligned to 4
// bytes only, so a record that needs more is taken with room to spare and aligned up.

// size bytes aligned to alignment (a power of two), not cleared; null for an index that
// names no arena or a size the arena cannot express.
void* ArenaAllocAligned(int arena, size_t size, size_t alignment);

// count value-initialised records of type T; null as ArenaAllocAligned.
template <class T>
T* ArenaNewArray(int arena, size_t count) {
  if (count > SIZE_MAX / sizeof(T)) return nullptr;
  void* memory = ArenaAllocAligned(arena, count * sizeof(T), alignof(T));
  if (!memory) return nullptr;
  T* records = static_cast<T*>(memory);
  for (size_t i = 0; i < count; ++i) new (records + i) T{};
  return records;
}
