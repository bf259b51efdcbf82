#pragma once
#include <cstdint>

#include "pel3d/raster/TrueDepthEdge.h"
#include "pel3d/raster/ScanConverter.h"

// One run of a perspective span: texture coordinates exact at both ends, stepped linearly
// between them.
struct SubSpan {
  int32_t length = 0;
  int32_t startU = 0, startV = 0;
  int32_t endU = 0, endV = 0;
};

// Cuts a span into sub-spans of kLength pixels, the short one (count mod kLength pixels)
// first, and evaluates u and v perspective-correct at the right end of each. Each sub-span
// starts where the previous one ended, so stepping errors never carry over.
template <int32_t kLength>
class DepthSubSpans {
  static_assert(kLength == 16 || kLength == 32);

public:
  DepthSubSpans(const ChainPoint& left, const ChainPoint& right, int32_t count)
      : mLeftU(left.u), mLeftV(left.v), mDu(Difference(right.u, left.u)), mDv(Difference(right.v, left.v)),
        mPixelsLeft(count), mEndU(left.u), mEndV(left.v) {
    const int32_t rem = count % kLength;
    mNextLength = rem != 0 ? rem : kLength;
    const int64_t width = int64_t{right.x} - left.x;  // positive where count is
    const int64_t t1 = (int64_t{mNextLength} * 4096 - (left.x & 0xFFF)) * 4096 / width;
    const int64_t tE = ((int64_t{left.x >> 12} + count) * 4096 - left.x) * 4096 / width;
    const int64_t nearMinusFar = int64_t{left.z} - right.z;
    mN = static_cast<int32_t>((t1 * left.z) >> 12);
    mD = static_cast<int32_t>(right.z + ((t1 * nearMinusFar) >> 12));
    mNStep = static_cast<int32_t>(((tE * left.z) >> 12) / count * kLength);
    mDStep = static_cast<int32_t>(((tE * nearMinusFar) >> 12) / count * kLength);
  }

  // The next sub-span from the left; false when the span is done.
  bool Next(SubSpan& sub) {
    if (mPixelsLeft <= 0) return false;
    const int32_t s = PerspectiveFraction(mN, mD);
    sub.length = mNextLength;
    sub.startU = mEndU;
    sub.startV = mEndV;
    mEndU = sub.endU = PerspectiveAlong(mLeftU, mDu, s);
    mEndV = sub.endV = PerspectiveAlong(mLeftV, mDv, s);
    mPixelsLeft -= mNextLength;
    mNextLength = kLength;
    mN = static_cast<int32_t>(int64_t{mN} + mNStep);
    mD = static_cast<int32_t>(int64_t{mD} + mDStep);
    return true;
  }

  // The change per pixel of a value across a sub-span: a shift for a whole one, a
  // division for the short first one.
  static int32_t PixelStep(int32_t start, int32_t end, int32_t length) {
    const int64_t change = int64_t{end} - start;
    if (length == kLength) return static_cast<int32_t>(change >> (kLength == 16 ? 4 : 5));
    return static_cast<int32_t>(change / length);
  }

private:
  static int32_t Difference(int32_t to, int32_t from) { return static_cast<int32_t>(int64_t{to} - from); }

  int32_t mLeftU, mLeftV;
  int32_t mDu, mDv;
  int32_t mPixelsLeft;
  int32_t mEndU, mEndV;
  int32_t mNextLength = kLength;
  int32_t mN = 0, mD = 0;
  int32_t mNStep = 0, mDStep = 0;
};
