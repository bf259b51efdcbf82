#include "pel3d/raster/AffineSpan.h"

#include "pel3d/math/ExactQuotient.h"

AffineSpan SetUpAffineSpan(const Bitmap& bitmap, const ChainPoint& left, const ChainPoint& right,
                           int32_t fractionBits) {
  const int64_t width = int64_t{right.x} - left.x + 0x2000;
  const int64_t du = ExactQuotient((int64_t{right.u} - left.u) * 4096, width);
  const int64_t dv = ExactQuotient((int64_t{right.v} - left.v) * 4096, width);
  AffineSpan span;
  span.decreasing = dv < 0;
  const int64_t magnitude = span.decreasing ? -dv : dv;
  const int64_t rows = (magnitude >> 16) * bitmap.width;
  // u's step is truncated towards zero (not floored) so that a falling u never walks
  // below column 0 of the first row, before the pixel data.
  const int64_t uStep = du / 16;
  span.step = static_cast<uint32_t>(uStep + (span.decreasing ? -rows : rows) * 4096);
  const bool wide = fractionBits == AffineSpan::kWideFraction;
  span.fractionBits = wide ? AffineSpan::kWideFraction : AffineSpan::kNarrowFraction;
  const int32_t dropped = 16 - span.fractionBits;
  const int64_t mask = (int64_t{1} << span.fractionBits) - 1;
  span.fractionStep = static_cast<int32_t>((magnitude >> dropped) & mask);
  const uint32_t u = static_cast<uint32_t>(left.u);
  const uint32_t v = static_cast<uint32_t>(left.v);
  span.address = (u >> 4) + (v >> 16) * bitmap.width * 4096;
  span.fraction = static_cast<int32_t>((v >> dropped) & mask);
  span.carry = bitmap.width << 12;
  return span;
}
