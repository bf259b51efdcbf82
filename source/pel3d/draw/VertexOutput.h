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
  ScreenVertex* Take() { return next < end ? next++ : nullptr; }
  int64_t Room() const { return end - next; }
};
