#pragma once
#include <cstdint>

#include "pel3d/raster/PerspectiveFraction.h"
#include "pel3d/raster/ScanConverter.h"

// One run of pixels of a perspective span, with the texture coordinates u and v exact at
// both of its ends; between them they are stepped linearly.
struct SubSpan {
  int32_t offset = 0;  // of its first pixel from the span's first
  int32_t pixels = 0;
  bool whole = false;  // of the full length: its steps are taken by shifts, not divisions
  Fixedpoint startU = 0;
  Fixedpoint startV = 0;
  Fixedpoint endU = 0;
  Fixedpoint endV = 0;
};

// A span cut into sub-spans of kLength pixels (16 or 32), the short one first, so that the
// span always ends with whole sub-spans. Each sub-span starts where the one before it ended
// (the first at the left chain's own u and v); its end is evaluated in perspective between
// the chains' depths at the left edge of the pixel that follows it.
template <int32_t kLength>
class PerspectiveSpan {
  static_assert(kLength == 16 || kLength == 32, "sub-spans are 16 or 32 pixels long");

public:
  static constexpr int kShift = kLength == 16 ? 4 : 5;

  // The span of count (above 0) pixels from the left chain's point to the right one's.
  PerspectiveSpan(const ChainPoint& left, const ChainPoint& right, int32_t count)
      : mLeft(left), mCount(count), mFirst(count % kLength ? count % kLength : kLength) {
    const int64_t width = int64_t{right.x} - left.x;
    const int64_t t1 = ScreenFraction(int64_t{mFirst} * 4096 - (left.x & 0xFFF), width);
    const int64_t tE = ScreenFraction((int64_t{left.x >> 12} + count) * 4096 - left.x, width);
    mNumerator = PerspectiveNumerator(t1, left.z);
    mDenominator = PerspectiveDenominator(t1, left.z, right.z);
    mNumeratorStep = PerspectiveNumerator(tE, left.z) / count * kLength;
    mDenominatorStep = ((tE * (int64_t{left.z} - right.z)) >> 12) / count * kLength;
    mDifferenceU = int64_t{right.u} - left.u;
    mDifferenceV = int64_t{right.v} - left.v;
  }

  // Calls each(sub-span) for the sub-spans from left to right.
  template <class Each>
  void ForEach(Each&& each) const {
    SubSpan sub{0, mFirst, mFirst == kLength, mLeft.u, mLeft.v, 0, 0};
    int64_t numerator = mNumerator;
    int64_t denominator = mDenominator;
    for (;;) {
      const Fixedpoint s = PerspectiveRatio(numerator, denominator);
      sub.endU = PerspectiveValue(mLeft.u, mDifferenceU, s);
      sub.endV = PerspectiveValue(mLeft.v, mDifferenceV, s);
      each(sub);
      sub.offset += sub.pixels;
      if (sub.offset >= mCount) return;
      sub = {sub.offset, kLength, true, sub.endU, sub.endV, 0, 0};
      numerator += mNumeratorStep;
      denominator += mDenominatorStep;
    }
  }

  // The change of a coordinate per pixel (16.16) from its start to its end in the sub-span.
  static int64_t Step(Fixedpoint start, Fixedpoint end, const SubSpan& sub) {
    const int64_t difference = int64_t{end} - start;
    return sub.whole ? difference >> kShift : difference / sub.pixels;
  }

private:
  ChainPoint mLeft;
  int32_t mCount;
  int32_t mFirst;
  int64_t mNumerator = 0;
  int64_t mDenominator = 0;
  int64_t mNumeratorStep = 0;
  int64_t mDenominatorStep = 0;
  int64_t mDifferenceU = 0;
  int64_t mDifferenceV = 0;
};
