#pragma once
#include "pel3d/bodies/Body.h"

// Where a ray from point meets the body placed at offset: the distance along the unit
// direction (16.16) to the first face, in list order, whose normal the direction runs along
// (dot product above 1310) and whose plane it meets no farther than maxDistance + 5.0 and
// within 2.0 of the face's box; -1 when none. A face without a plane (polyline and point
// bodies) is never hit. The hit face's plane goes to hitPlane when it is given.
Fixedpoint IntersectBody(const Vec3& point, const Vec3& direction, Fixedpoint maxDistance, const Vec3& offset,
                         const Body* body, const Plane** hitPlane = nullptr);
