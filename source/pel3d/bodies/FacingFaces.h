#pragma once
#include "pel3d/bodies/Body.h"

// Where a body's faces that face along an axis lie, for placing flames on buildings. dir
// below 0 looks for faces whose normal points toward minus the axis (component -10000 or
// less), above 0 toward plus (10000 or more), 0 for any face. Point faces and faces without
// a plane are passed over.

// The middle z of the first such face (normal z) whose box meets the square of half side
// halfSize around (x, y); 0 when none does or the body is null.
Fixedpoint GetFacingFaceZ(const Body* body, Fixedpoint x, Fixedpoint y, int32_t dir, Fixedpoint halfSize);
// The middle x of the first such face (normal x) whose box meets the square around (y, z).
Fixedpoint GetFacingFaceX(const Body* body, Fixedpoint y, Fixedpoint z, int32_t dir, Fixedpoint halfSize);
