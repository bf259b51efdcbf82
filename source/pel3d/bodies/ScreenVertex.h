#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// A face corner projected to the screen. The screen vertices of one face lie one after
// another in a vertex pool's projected area.
struct ScreenVertex {
  int32_t x = 0;  // 20.12 pixels, screen centre added
  int32_t y = 0;  // 20.12 pixels, downward, screen centre added
  Fixedpoint z = 0;  // view depth
  Fixedpoint u = 0;  // texture coordinates as stored on the face
  Fixedpoint v = 0;
};
