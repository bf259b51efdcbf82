#pragma once
#include <algorithm>
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// Perspective-correct interpolation along a screen line from an end A (depth zA) to an end
// B (depth zB). At the screen fraction t from A towards B (12 fraction bits: 4096 is the
// whole way) the fraction of the way in the polygon's own plane is s = N / D, with the
// numerator N = t zA and the denominator D = zB + t (zA - zB). Both are linear in t, so
// they are stepped by additions and divided only where s is needed.

// The screen fraction (12 bits) of a 20.12 distance along a 20.12 length.
constexpr int64_t ScreenFraction(int64_t distance, int64_t length) { return distance * 4096 / length; }

// N at the screen fraction t, in 16.16 depth units.
constexpr int64_t PerspectiveNumerator(int64_t t, Fixedpoint zA) { return (t * zA) >> 12; }

// D at the screen fraction t, in 16.16 depth units.
constexpr int64_t PerspectiveDenominator(int64_t t, Fixedpoint zA, Fixedpoint zB) {
  return zB + ((t * (int64_t{zA} - zB)) >> 12);
}

// s = N / D in 16.16, held to 0..1. For the polygons the engine hands over D lies between
// two positive depths and s already lies there; the hold keeps a depth of 0 or below (a
// division by zero) and the rounding of the stepped N and D from taking a coordinate
// beyond the ends of its line.
constexpr Fixedpoint PerspectiveRatio(int64_t n, int64_t d) {
  if (d <= 0) return 0;
  return static_cast<Fixedpoint>(std::clamp<int64_t>(n * 65536 / d, 0, kFixedOne));
}

// The value s of the way from a value at A to the one that differs from it by difference.
constexpr Fixedpoint PerspectiveValue(Fixedpoint atA, int64_t difference, Fixedpoint s) {
  return static_cast<Fixedpoint>(atA + ((s * difference) >> 16));
}
