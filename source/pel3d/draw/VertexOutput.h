#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"

// Where screen vertices are written: a run of a vertex pool's projected area or of the
// grid's screen vertices. It only moves forward, so a vertex cached by one face is never
// overwritten by the next; what does not fit is refused.
struct VertexOutput {
  ScreenVertex* next = nullptr;
  ScreenVertex* end = nullptr;

  // The next free screen vertex, taken; null when the room is used up.
  ScreenVertex* Take() { return Room() > 0 ? next++ : nullptr; }
  // Whole screen vertices left. Counted in bytes: a pool's end need not lie a whole number
  // of vertices from its start.
  int64_t Room() const {
    const auto bytes = reinterpret_cast<uintptr_t>(end) - reinterpret_cast<uintptr_t>(next);
    return next < end ? static_cast<int64_t>(bytes / sizeof(ScreenVertex)) : 0;
  }
};
