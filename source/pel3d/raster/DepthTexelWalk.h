#pragma once
#include <algorithm>
#include <cstdint>

#include "pel3d/files/Bitmap.h"
#include "pel3d/math/FixedPoint.h"

// The stepping of a perspective sub-span through a bitmap of contiguous rows: one 20.12
// address holds the texel's offset from the first pixel with the column's fraction, the
// whole rows of the row step move it by a multiple of the width per pixel, and the row's
// fraction, in the top 16 bits of a word, moves it one row more when its addition carries.
// For a falling row the fraction is negated, so that the row drops as soon as the row
// coordinate reaches a whole number.
struct DepthTexelWalk {
  uint32_t address = 0;
  uint32_t addressStep = 0;
  uint32_t rowFraction = 0;
  uint32_t rowFractionStep = 0;
  uint32_t rowCarry = 0;
};

// The walk from the start column and row (16.16, inside the bitmap) with a column step
// (20.12) and a row step (16.16) per pixel.
inline DepthTexelWalk SetUpPerspectiveTexelWalk(const Bitmap& bitmap, Fixedpoint column, Fixedpoint row,
                                                      int64_t columnStep, int64_t rowStep) {
  const uint64_t rowMagnitude = static_cast<uint64_t>(rowStep < 0 ? -rowStep : rowStep);
  const uint32_t width = bitmap.width;
  DepthTexelWalk walk;
  walk.address = (static_cast<uint32_t>(row) >> 16) * width * 4096 + (static_cast<uint32_t>(column) >> 4);
  walk.rowFraction = static_cast<uint32_t>(row) << 16;
  walk.rowCarry = width * 4096;
  uint32_t wholeRows = static_cast<uint32_t>(rowMagnitude >> 16) * width * 4096;
  if (rowStep < 0) {
    walk.rowCarry = 0u - walk.rowCarry;
    wholeRows = 0u - wholeRows;
    walk.rowFraction = 0u - walk.rowFraction;
  }
  walk.addressStep = static_cast<uint32_t>(columnStep) + wholeRows;
  walk.rowFractionStep = static_cast<uint32_t>(rowMagnitude << 16);
  return walk;
}

// Calls write(pixel, texel) for each of the count pixels from out on. The floored steps of
// a falling coordinate overshoot by up to a 4096th of a texel a pixel, which near the
// bitmap's top can take the address before its first pixel; a walk that may start or end
// within two rows of the top (kNearTop) caps each fetch at the bitmap's last texel.
template <bool kNearTop, class Write>
inline void WalkPerspectiveTexels(DepthTexelWalk walk, const Bitmap& bitmap, uint8_t* out, int32_t count,
                                  Write& write) {
  const uint32_t last = bitmap.width * bitmap.height - 1;
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t texel = walk.address >> 12;
    write(out[i], bitmap.pixels[kNearTop ? std::min(texel, last) : texel]);
    walk.address += walk.addressStep;
    const uint32_t fraction = walk.rowFraction + walk.rowFractionStep;
    if (fraction < walk.rowFraction) walk.address += walk.rowCarry;
    walk.rowFraction = fraction;
  }
}
