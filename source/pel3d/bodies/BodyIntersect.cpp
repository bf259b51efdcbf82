#include "pel3d/bodies/BodyIntersect.h"

#include "pel3d/bodies/FaceBox.h"
#include "pel3d/math/Wrap32.h"

namespace {

// The direction must run along the normal by more than about 0.02.
constexpr Fixedpoint kMinimumFacing = -1310;
constexpr Fixedpoint kDistanceSlack = 5 * kFixedOne;
constexpr Fixedpoint kBoxSlack = 2 * kFixedOne;
constexpr Fixedpoint kBoxMinStart = 0x7FF80000;
constexpr Fixedpoint kBoxMaxStart = static_cast<Fixedpoint>(0x80080000);

Fixedpoint Dot(const Vec3& v, const Vec3& n) {
  return wrap32::Add(wrap32::Add(FixMul(v.y, n.y), FixMul(v.z, n.z)), FixMul(v.x, n.x));
}

bool WithinSlack(Fixedpoint value, Fixedpoint min, Fixedpoint max) {
  return value >= wrap32::Sub(min, kBoxSlack) && value <= wrap32::Add(max, kBoxSlack);
}

}  // namespace

Fixedpoint IntersectBody(const Vec3& point, const Vec3& direction, Fixedpoint maxDistance, const Vec3& offset,
                         const Body* body, const Plane** hitPlane) {
  const Vec3 relative{wrap32::Sub(point.x, offset.x), wrap32::Sub(point.y, offset.y), wrap32::Sub(point.z, offset.z)};
  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    if (!face->plane || face->vertexCount < 1) continue;
    const Vec3& normal = face->plane->normal;
    const Fixedpoint facing = wrap32::Neg(Dot(direction, normal));
    if (facing >= kMinimumFacing) continue;
    const Fixedpoint planeOffset = Dot(*face->plane->point, normal);
    const Fixedpoint pointOffset = wrap32::Neg(Dot(relative, normal));
    const Fixedpoint distance = wrap32::Neg(FixDiv(wrap32::Add(pointOffset, planeOffset), facing));
    if (distance > wrap32::Add(maxDistance, kDistanceSlack)) continue;

    Vec3 foot;
    for (int axis = 0; axis < 3; ++axis) foot[axis] = wrap32::Add(relative[axis], FixMul(distance, direction[axis]));
    const FaceBox box = MeasureFaceBox(*body, *face, kBoxMinStart, kBoxMaxStart);
    if (!WithinSlack(foot.z, box.min.z, box.max.z) || !WithinSlack(foot.y, box.min.y, box.max.y) ||
        !WithinSlack(foot.x, box.min.x, box.max.x)) {
      continue;
    }
    if (hitPlane) *hitPlane = face->plane;
    return distance;
  }
  return -1;
}
