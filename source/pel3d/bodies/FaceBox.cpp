#include "pel3d/bodies/FaceBox.h"

#include <algorithm>

FaceBox MeasureFaceBox(const Body& body, const Face& face, Fixedpoint minStart, Fixedpoint maxStart) {
  FaceBox box{{minStart, minStart, minStart}, {maxStart, maxStart, maxStart}};
  for (int32_t k = 0; k < face.vertexCount; ++k) {
    const Vec3& vertex = body.vertices[face.indices[k]];
    for (int axis = 0; axis < 3; ++axis) {
      box.min[axis] = std::min(box.min[axis], vertex[axis]);
      box.max[axis] = std::max(box.max[axis], vertex[axis]);
    }
  }
  return box;
}

Fixedpoint Middle(Fixedpoint a, Fixedpoint b) { return static_cast<Fixedpoint>((int64_t{a} + b) >> 1); }
