#include "pel3d/raster/CorrectedEdge.h"

#include <algorithm>

#include "pel3d/math/Wrap32.h"
#include "pel3d/raster/ScanConverter.h"

namespace {

constexpr int64_t kWholeEdge = 65536;  // t = 1.0

// s (20.12) at the top of a pixel row of the edge from a to b; dy is b.y - a.y, above 0.
int64_t FractionAtRow(int64_t row, const ScreenVertex& a, int64_t dy) {
  return ((row * 4096 - a.y) * 4096) / dy;
}

int64_t PAt(int64_t s, const ScreenVertex& a) { return (s * a.z) >> 12; }

int64_t QAt(int64_t s, const ScreenVertex& a, const ScreenVertex& b) {
  return ((s * (int64_t{a.z} - b.z)) >> 12) + b.z;
}

}  // namespace

void CorrectedEdge::SetUp(const ScreenVertex& a, const ScreenVertex& b, int32_t rows, ChainPoint& at) {
  const int64_t row = a.y >> 12;
  const int64_t dy = std::max<int64_t>(int64_t{b.y} - a.y, 1);
  const int64_t top = FractionAtRow(row, a, dy);
  const int64_t bottom = FractionAtRow(row + rows, a, dy);
  mP = wrap32::Low(PAt(top, a));
  mQ = wrap32::Low(QAt(top, a, b));
  mPStep = wrap32::Low((PAt(bottom, a) - mP) / rows);
  mQStep = wrap32::Low((QAt(bottom, a, b) - mQ) / rows);
  mUBase = at.u = a.u;
  mVBase = at.v = a.v;
  mUExtent = wrap32::Sub(b.u, a.u);
  mVExtent = wrap32::Sub(b.v, a.v);
}

void CorrectedEdge::Step(ChainPoint& at) {
  mP = wrap32::Add(mP, mPStep);
  mQ = wrap32::Add(mQ, mQStep);
  // Q lies between the two depths for positive depths; a face with a depth of 0 or less
  // (never handed over by the face processing) keeps its coordinates.
  if (mQ <= 0) return;
  // t stays within the edge, so u and v stay between the edge's own, inside the bitmap.
  const int64_t t = std::clamp<int64_t>((int64_t{mP} << 16) / mQ, 0, kWholeEdge);
  at.u = wrap32::Low(mUBase + ((int64_t{mUExtent} * t) >> 16));
  at.v = wrap32::Low(mVBase + ((int64_t{mVExtent} * t) >> 16));
}
