#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"
#include "pel3d/math/Matrix.h"

// How high a body's surface lies under a point, for landing, walking on roofs and the rope.
// Everything is in body space and 16.16.

// The in/out word's bit that switches the probe to the mode that looks for the surface
// nearest below the point, and for a surface just above it.
constexpr uint32_t kProbeNearestSurface = 0x200;

// ProbeBodyHeightLocal at the point relative to the body's origin, turned into body space
// by the transpose of the matrix's rotation, with the mode off.
Fixedpoint ProbeBodyHeight(const Body* body, const Matrix& matrix, const Vec3& point, Fixedpoint radius);

// The height of the body's surface under the square of half side radius around (x, z):
// with the mode off the highest floor (or point-face top) over it, never below 0. With the
// mode on (kProbeNearestSurface in word) the highest floor below y, unless a floor lies at
// or above y with no ceiling (10.0 or more above y) closer than it: then the lowest such.
// A point above twice the radius + 5.0 gives radius / 8 at once. The face that sets the
// result leaves its colour in word; offset (if given) receives the way from the point to
// that face's middle, and inside (if given) whether the point lies well inside a level
// floor.
Fixedpoint ProbeBodyHeightLocal(const Body* body, Fixedpoint x, Fixedpoint y, Fixedpoint z, uint32_t& word,
                                Fixedpoint radius, Vec3* offset = nullptr, int32_t* inside = nullptr);

// ProbeBodyHeightLocal, with the ceiling counted probeHeight above y instead of 10.0 and, in
// the mode, walls that reach into y to y + probeHeight competing as floors at the middle of
// their top and y; a wall that sets the result gives its normal's x and z as the offset.
Fixedpoint ProbeBodyContact(const Body* body, Fixedpoint x, Fixedpoint y, Fixedpoint z, uint32_t& word,
                            Fixedpoint radius, Fixedpoint probeHeight, Vec3* offset = nullptr,
                            int32_t* inside = nullptr);
