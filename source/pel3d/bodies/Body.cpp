#include "pel3d/bodies/Body.h"

namespace {

uint32_t AxisFlags(uint32_t axisFlag, Fixedpoint component) {
  return component > 0 ? axisFlag | kFacePositiveAxis : axisFlag;
}

}  // namespace

uint32_t FaceOrientationFlags(const Vec3& normal) {
  if (normal.x == 0 && normal.y == 0) return AxisFlags(kFaceAlongZ, normal.z);
  if (normal.x == 0 && normal.z == 0) return AxisFlags(kFaceAlongY, normal.y);
  if (normal.y == 0 && normal.z == 0) return AxisFlags(kFaceAlongX, normal.x);
  return kFaceGeneralPlane;
}
