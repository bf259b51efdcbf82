#pragma once
#include <cstdint>

#include "game/world/CityArrays.h"

// One vertex waiting in a route search, with the way it was reached.
struct PathEntry {
  uint8_t column = 0;
  uint8_t yindex = 0;
  uint8_t arrival = 255;  // the parent's edge by which the vertex is reached; 255 at the start
  uint8_t parentColumn = 255;
  uint8_t parentYIndex = 255;
  int32_t cost = 0;
};

// The route searches' priority queue: a binary min-heap on cost in one static buffer, so a
// search allocates nothing. Entry 0 is a sentinel of cost -1; the heap is entries 1..count.
// A search pushes each vertex at most once per edge into it, so it never runs out of room.
class PathQueue {
public:
  static constexpr int kRoom = 4 * kCitySize * kCitySize + 1;

  void Reset();
  // false when the queue is full (the entry is dropped).
  bool Push(const PathEntry& entry);
  // The cheapest entry; an entry never passes one of equal cost that is above it.
  PathEntry Pop();
  bool Empty() const { return mCount == 0; }
  int Count() const { return mCount; }
  const PathEntry& At(int index) const { return mBuffer[index]; }

private:
  static PathEntry mBuffer[kRoom + 1];
  int mCount = 0;
};

extern PathQueue gPathQueue;
