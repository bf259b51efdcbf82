#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/raster/PerspectiveFraction.h"

// A chain's texture coordinates u, v and depth z along one polygon edge, correct in
// perspective: the upper vertex's own values on the edge's first row, and on every later
// row the values at the top of the row (y equal to the row number), where the chain's x
// lies too.
class PerspectiveEdge {
public:
  // Sets up the edge from its upper vertex a to its lower vertex b, which covers rows
  // (at least 1) pixel rows, and puts a's values on the chain's point.
  template <class Point>
  void SetUp(const ScreenVertex& a, const ScreenVertex& b, int32_t rows, Point& at) {
    mUpper = {a.u, a.v, a.z};
    mDifference = {int64_t{b.u} - a.u, int64_t{b.v} - a.v, int64_t{b.z} - a.z};
    // The screen fractions at the top of a's row (0 or below) and of b's row, over the
    // edge's true height.
    const int64_t dy = int64_t{b.y} - a.y;
    const int32_t firstRow = a.y >> 12;
    const int64_t t0 = ScreenFraction(int64_t{firstRow} * 4096 - a.y, dy);
    const int64_t tE = ScreenFraction((int64_t{firstRow} + rows) * 4096 - a.y, dy);
    mNumerator = PerspectiveNumerator(t0, a.z);
    mDenominator = PerspectiveDenominator(t0, a.z, b.z);
    mNumeratorStep = (PerspectiveNumerator(tE, a.z) - mNumerator) / rows;
    mDenominatorStep = (PerspectiveDenominator(tE, a.z, b.z) - mDenominator) / rows;
    at.u = a.u;
    at.v = a.v;
    at.z = a.z;
  }

  // Moves the chain's point to the top of the next row.
  template <class Point>
  void Step(Point& at) {
    mNumerator += mNumeratorStep;
    mDenominator += mDenominatorStep;
    const Fixedpoint s = PerspectiveRatio(mNumerator, mDenominator);
    at.u = PerspectiveValue(mUpper.u, mDifference.u, s);
    at.v = PerspectiveValue(mUpper.v, mDifference.v, s);
    at.z = PerspectiveValue(mUpper.z, mDifference.z, s);
  }

private:
  struct Values {
    Fixedpoint u = 0, v = 0, z = 0;
  };
  struct Differences {
    int64_t u = 0, v = 0, z = 0;
  };

  Values mUpper;
  Differences mDifference;
  int64_t mNumerator = 0;
  int64_t mDenominator = 0;
  int64_t mNumeratorStep = 0;
  int64_t mDenominatorStep = 0;
};
