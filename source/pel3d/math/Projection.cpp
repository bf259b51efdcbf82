#include "pel3d/math/Projection.h"

#include "pel3d/math/VectorMath.h"
#include "pel3d/math/View.h"
#include "pel3d/math/Wrap32.h"

namespace {

// 7094 / 4096 approximates cot 30 degrees: the view's horizontal field is 60 degrees.
constexpr uint64_t kCotHalfField = 7094;

// (a x b) >> 12 as an unsigned 64-bit product of the two words, low 32 bits kept.
int32_t UnsignedScale(int32_t a, int32_t b) {
  const uint64_t product = uint64_t{static_cast<uint32_t>(a)} * static_cast<uint32_t>(b);
  return static_cast<int32_t>(static_cast<uint32_t>(product >> 12));
}

// (value x scale) / depth, a signed 64-bit product and a division truncating toward zero.
int64_t ScaleByDepth(int32_t value, int32_t scale, int32_t depth) {
  return int64_t{value} * scale / depth;
}

Fixedpoint Unproject(Fixedpoint screen, int32_t centre, int32_t scale, Fixedpoint depth) {
  const int64_t divisor = int64_t{scale} * 16;
  if (divisor == 0) return 0;
  return wrap32::Low((int64_t{screen} - int64_t{centre} * 16) * depth / divisor);
}

}  // namespace

void UpdateProjection() {
  gView.clip = {0, 0, gView.width * 4096, gView.height * 4096};
  gView.centreX = gView.width * 2048;
  gView.centreY = gView.height * 2048;
  gView.scaleX = UnsignedScale(gView.centreX, kCotHalfField);
  gView.scaleY = UnsignedScale(gView.scaleX, gView.pixelAspect >> 4);
  FillRowOffsets();
}

void ComputeViewFrustum() {
  const Fixedpoint width = wrap32::ShiftLeft(gView.width, 16);
  const Fixedpoint height = wrap32::ShiftLeft(gView.height, 16);
  const Fixedpoint scaleX = wrap32::ShiftLeft(gView.scaleX, 4);
  const Fixedpoint scaleY = wrap32::ShiftLeft(gView.scaleY, 4);

  Vec3 side{FixDiv(width, wrap32::Mul(2, scaleX)), 0, kFixedOne};
  VecNormalize(side);
  gView.frustum[kFrustumRight] = {wrap32::Neg(side.z), 0, side.x};
  gView.frustum[kFrustumLeft] = {side.z, 0, side.x};

  Vec3 vertical{0, FixDiv(height, wrap32::Mul(2, scaleY)), kFixedOne};
  VecNormalize(vertical);
  gView.frustum[kFrustumTop] = {0, wrap32::Neg(vertical.z), vertical.y};
  gView.frustum[kFrustumBottom] = {0, vertical.z, vertical.y};
}

ProjectedPoint ProjectPoint(Vec3& point) {
  if (point.z > -kFixedOne && point.z < kFixedOne) point.z = kFixedOne;
  const int64_t x = ScaleByDepth(point.x, gView.scaleX, point.z) + gView.centreX;
  const int64_t y = gView.centreY - ScaleByDepth(point.y, gView.scaleY, point.z);
  return {wrap32::Low(x >> 12), wrap32::Low(y >> 12), point.z};
}

int32_t ProjectLength(Fixedpoint length, Fixedpoint depth) {
  if (depth < kFixedOne) depth = kFixedOne;
  return wrap32::Low(ScaleByDepth(length, gView.scaleX, depth) >> 12);
}

Fixedpoint UnprojectX(Fixedpoint screenX, Fixedpoint depth) {
  return Unproject(screenX, gView.centreX, gView.scaleX, depth);
}

Fixedpoint UnprojectY(Fixedpoint screenY, Fixedpoint depth) {
  return wrap32::Neg(Unproject(screenY, gView.centreY, gView.scaleY, depth));
}
