#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"

// Perspective-correct texture coordinates along one polygon edge. For a screen fraction t
// from end A (depth zA) towards end B (depth zB), the fraction of the way in the polygon's
// own plane is s = N / D with N = t zA and D = zB + t (zA - zB); N and D are linear on the
// screen, so they step by additions and only s takes a division.

// s = (N << 16) / D in 16.16; 0 for a denominator of 0, which only vertices that escaped
// the near plane can give.
inline int32_t PerspectiveFraction(int64_t numerator, int64_t denominator) {
  if (denominator == 0) return 0;
  return static_cast<int32_t>(numerator * 65536 / denominator);
}

// The value s of the way from a value by a difference.
inline int32_t PerspectiveAlong(int32_t from, int32_t difference, int32_t s) {
  return static_cast<int32_t>(int64_t{from} + ((int64_t{s} * difference) >> 16));
}

// One chain's edge: u, v and z on its first row are the upper vertex's own; on every later
// row the perspective-correct values at the top of the row, where the chain's x lies.
class TrueDepthEdge {
public:
  // The edge from the upper vertex a down to b, covering rows (at least 1) screen rows.
  void SetUp(const ScreenVertex& a, const ScreenVertex& b, int32_t rows);
  // Moves to the next row.
  void Step();

  int32_t u = 0;
  int32_t v = 0;
  int32_t z = 0;

private:
  int32_t mTopU = 0, mTopV = 0, mTopZ = 0;
  int32_t mDu = 0, mDv = 0, mDz = 0;
  int32_t mN = 0, mD = 0;
  int32_t mNStep = 0, mDStep = 0;
};
