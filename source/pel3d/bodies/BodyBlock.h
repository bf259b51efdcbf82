#pragma once
#include <cstddef>
#include <cstdint>
#include <new>

// The memory block of a body group, handed out in order as the bodies are read. Every
// record is charged against the block before it is written: a record that would pass the
// block's end is refused.
class BodyBlock {
public:
  BodyBlock(void* start, std::size_t size)
      : mNext(reinterpret_cast<uintptr_t>(start)), mEnd(reinterpret_cast<uintptr_t>(start) + size) {}

  // count value-initialised records of type T, aligned for T; null when they do not fit.
  template <class T>
  T* Take(std::size_t count) {
    const uintptr_t at = (mNext + alignof(T) - 1) & ~uintptr_t{alignof(T) - 1};
    if (at > mEnd || count > (mEnd - at) / sizeof(T)) return nullptr;
    T* records = reinterpret_cast<T*>(at);
    for (std::size_t i = 0; i < count; ++i) new (records + i) T{};
    mNext = at + count * sizeof(T);
    return records;
  }

private:
  uintptr_t mNext;
  uintptr_t mEnd;
};
