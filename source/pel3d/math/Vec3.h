#pragma once
#include "pel3d/math/FixedPoint.h"

// Three 16.16 values: a point or a vector; view space has x right, y up and z forward.
struct Vec3 {
  Fixedpoint x = 0;
  Fixedpoint y = 0;
  Fixedpoint z = 0;

  // Component 0, 1 or 2 (x, y, z), for loops over the axes.
  Fixedpoint& operator[](int axis) { return axis == 0 ? x : axis == 1 ? y : z; }
  Fixedpoint operator[](int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
  bool operator==(const Vec3&) const = default;
};
