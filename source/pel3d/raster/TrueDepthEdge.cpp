#include "pel3d/raster/TrueDepthEdge.h"

#include "pel3d/math/Wrap32.h"

namespace {

// The screen fraction (12 fraction bits) of a point below (20.12) the upper vertex of an
// edge dy high.
int64_t EdgeFraction(int64_t below, int64_t dy) { return below * 4096 / dy; }

}  // namespace

void TrueDepthEdge::SetUp(const ScreenVertex& a, const ScreenVertex& b, int32_t rows) {
  u = mTopU = a.u;
  v = mTopV = a.v;
  z = mTopZ = a.z;
  mDu = wrap32::Sub(b.u, a.u);
  mDv = wrap32::Sub(b.v, a.v);
  mDz = wrap32::Sub(b.z, a.z);
  const int64_t dy = int64_t{b.y} - a.y;  // positive: the edge covers a row
  const int64_t rowTop = int64_t{a.y >> 12} * 4096;
  const int64_t t0 = EdgeFraction(rowTop - a.y, dy);
  const int64_t tE = EdgeFraction(rowTop + int64_t{rows} * 4096 - a.y, dy);
  const int64_t nearMinusFar = int64_t{a.z} - b.z;
  const int64_t n0 = (t0 * a.z) >> 12;
  const int64_t d0 = b.z + ((t0 * nearMinusFar) >> 12);
  const int64_t nEnd = (tE * a.z) >> 12;
  const int64_t dEnd = b.z + ((tE * nearMinusFar) >> 12);
  mN = wrap32::Low(n0);
  mD = wrap32::Low(d0);
  mNStep = wrap32::Low((nEnd - n0) / rows);
  mDStep = wrap32::Low((dEnd - d0) / rows);
}

void TrueDepthEdge::Step() {
  mN = wrap32::Add(mN, mNStep);
  mD = wrap32::Add(mD, mDStep);
  const int32_t s = PerspectiveFraction(mN, mD);
  u = PerspectiveAlong(mTopU, mDu, s);
  v = PerspectiveAlong(mTopV, mDv, s);
  z = PerspectiveAlong(mTopZ, mDz, s);
}
