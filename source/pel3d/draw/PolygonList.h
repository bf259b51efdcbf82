#pragma once
#include <array>
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

struct Face;
struct ScreenVertex;

// One projected face waiting to be drawn: its depth key (larger is farther) and its screen
// vertices.
struct PolyEntry {
  Face* face = nullptr;
  Fixedpoint depth = 0;
  int32_t vertexCount = 0;
  ScreenVertex* firstVertex = nullptr;
};

constexpr int32_t kPolygonListCapacity = 3500;

// A list of faces to draw. The lists live from the face processing of a cell (or of a
// body-queue frame) until the flush that draws them.
struct PolygonList {
  std::array<PolyEntry, kPolygonListCapacity> entries{};
  int32_t count = 0;

  void Empty() { count = 0; }
  // The entry written, or null when the list is full: what does not fit is dropped.
  PolyEntry* Append(const PolyEntry& entry);
  PolyEntry* WritePosition() { return entries.data() + count; }
};

// Faces with flag 0x20000, drawn first and in insertion order.
extern PolygonList gUnsortedList;
// Every other face, drawn farthest first.
extern PolygonList gSortedList;
