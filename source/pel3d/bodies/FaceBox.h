#pragma once
#include "pel3d/bodies/Body.h"

// The smallest and greatest x, y and z of a face's vertices.
struct FaceBox {
  Vec3 min;
  Vec3 max;
};

// The box of the face's vertices; a component no vertex lowers or raises keeps its start.
FaceBox MeasureFaceBox(const Body& body, const Face& face, Fixedpoint minStart, Fixedpoint maxStart);

// (a + b) >> 1 without overflowing: the middle of two 16.16 values, rounded down.
Fixedpoint Middle(Fixedpoint a, Fixedpoint b);
