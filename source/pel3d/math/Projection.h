#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Vec3.h"

// A point projected to the screen: whole pixels and the view depth.
struct ProjectedPoint {
  int32_t x = 0;
  int32_t y = 0;
  Fixedpoint z = 0;
  bool operator==(const ProjectedPoint&) const = default;
};

// Recomputes the screen centre, the projection scales (a 60-degree horizontal field), the
// clip rectangle and the row-offset table from the working size and the pixel aspect.
void UpdateProjection();

// Recomputes the four frustum side planes from the current projection scales.
void ComputeViewFrustum();

// Projects a view-space point to whole screen pixels. A depth strictly between -1.0 and
// 1.0 is first set to 1.0 in the caller's point.
ProjectedPoint ProjectPoint(Vec3& point);

// The screen length in whole pixels of a 16.16 length at a depth (below 1.0 counts as 1.0).
int32_t ProjectLength(Fixedpoint length, Fixedpoint depth);

// The view-space x or y (16.16) at a depth of a 16.16 screen coordinate; 0 while the
// projection scale is 0.
Fixedpoint UnprojectX(Fixedpoint screenX, Fixedpoint depth);
Fixedpoint UnprojectY(Fixedpoint screenY, Fixedpoint depth);
