#include "pel3d/bodies/FacingFaces.h"

#include "pel3d/bodies/FaceBox.h"

namespace {

constexpr Fixedpoint kFacingLimit = 10000;

bool FacesTheWay(Fixedpoint component, int32_t dir) {
  if (dir < 0) return component <= -kFacingLimit;
  if (dir > 0) return component >= kFacingLimit;
  return true;
}

bool Meets(Fixedpoint value, Fixedpoint halfSize, Fixedpoint min, Fixedpoint max) {
  return int64_t{value} + halfSize >= min && int64_t{value} - halfSize <= max;
}

// The middle along axis of the first facing face whose box meets the square over the other
// two axes, first and second.
Fixedpoint FindFacingFace(const Body* body, int axis, int first, Fixedpoint atFirst, int second,
                          Fixedpoint atSecond, int32_t dir, Fixedpoint halfSize) {
  if (!body) return 0;
  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    if ((face->flags & kFaceSprite) || !face->plane || face->vertexCount < 1) continue;
    if (!FacesTheWay(face->plane->normal[axis], dir)) continue;
    const FaceBox box = MeasureFaceBox(*body, *face, 30000 * kFixedOne, -30000 * kFixedOne);
    if (Meets(atFirst, halfSize, box.min[first], box.max[first]) &&
        Meets(atSecond, halfSize, box.min[second], box.max[second])) {
      return Middle(box.min[axis], box.max[axis]);
    }
  }
  return 0;
}

constexpr int kX = 0;
constexpr int kY = 1;
constexpr int kZ = 2;

}  // namespace

Fixedpoint GetFacingFaceZ(const Body* body, Fixedpoint x, Fixedpoint y, int32_t dir, Fixedpoint halfSize) {
  return FindFacingFace(body, kZ, kY, y, kX, x, dir, halfSize);
}

Fixedpoint GetFacingFaceX(const Body* body, Fixedpoint y, Fixedpoint z, int32_t dir, Fixedpoint halfSize) {
  return FindFacingFace(body, kX, kY, y, kZ, z, dir, halfSize);
}
