#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// Heights of the ground under a world point (16.16), from the terrain's corners, so that
// things stand on the ground as it is drawn.

// The ground height at (x, z), interpolated over the cell's two triangles as the grid splits
// them (north-west, north-east, south-west; north-east, south-east, south-west). level, when
// given, is set to 1 when the cell's corners differ by less than 9.0, else 0.
Fixedpoint GroundHeight(Fixedpoint x, Fixedpoint z, int32_t* level = nullptr);
// The greater of the ground height and the tops of the cell's static objects under the point.
Fixedpoint GroundHeightWithObjects(Fixedpoint x, Fixedpoint z);
