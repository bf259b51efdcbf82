#pragma once
#include <cstdint>

#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/ScanConverter.h"

// The span stepping of the affine textured fills: one 20.12 address accumulator holds the
// texel's byte offset with u's fraction, the whole rows of v move it by a multiple of the
// width per pixel, and the upper byte of v's fraction moves it by one row more on a carry
// (or a borrow, when v falls across the span). The fraction carried is the upper byte of
// v's fraction, or all 16 bits of it for the edge-corrected fill.
struct AffineSpan {
  uint32_t address = 0;  // A: byte offset of the texel from the first pixel, 20.12
  uint32_t step = 0;  // S: added after every pixel
  uint32_t carry = 0;  // C: one bitmap row, 20.12
  int32_t fraction = 0;  // F: the upper fractionBits of v's fraction
  int32_t fractionStep = 0;  // f: added (v rising) or taken away (v falling) after every pixel
  int32_t fractionBits = kNarrowFraction;
  bool decreasing = false;  // v falls across the span

  static constexpr int32_t kNarrowFraction = 8;
  static constexpr int32_t kWideFraction = 16;
};

// The texture coordinates of the span's two ends lie inside the bitmap, so the walk, which
// never reaches the right end, stays inside it too.
AffineSpan SetUpAffineSpan(const Bitmap& bitmap, const ChainPoint& left, const ChainPoint& right,
                           int32_t fractionBits = AffineSpan::kNarrowFraction);

// Calls write(pixel, texel) for each of the count pixels from out on, stepping the address.
template <bool kDecreasing, int32_t kFractionBits, class Write>
inline void WalkAffineSpan(const AffineSpan& span, const uint8_t* pixels, uint8_t* out, int32_t count, Write& write) {
  uint32_t address = span.address;
  int32_t fraction = span.fraction;
  for (int32_t i = 0; i < count; ++i) {
    write(out[i], pixels[address >> 12]);
    address += span.step;
    if constexpr (kDecreasing) {
      fraction -= span.fractionStep;
      const uint32_t borrow = static_cast<uint32_t>(fraction) >> 31;
      fraction += static_cast<int32_t>(borrow << kFractionBits);
      address -= borrow * span.carry;
    } else {
      fraction += span.fractionStep;
      address += static_cast<uint32_t>(fraction >> kFractionBits) * span.carry;
      fraction &= (1 << kFractionBits) - 1;
    }
  }
}

// Draws a span by the loop its v direction and its fraction width ask for.
template <class Write>
inline void DrawAffineSpan(const AffineSpan& span, const uint8_t* pixels, uint8_t* out, int32_t count, Write& write) {
  constexpr int32_t kNarrow = AffineSpan::kNarrowFraction, kWide = AffineSpan::kWideFraction;
  const bool wide = span.fractionBits == kWide;
  if (span.decreasing) {
    wide ? WalkAffineSpan<true, kWide>(span, pixels, out, count, write)
         : WalkAffineSpan<true, kNarrow>(span, pixels, out, count, write);
  } else {
    wide ? WalkAffineSpan<false, kWide>(span, pixels, out, count, write)
         : WalkAffineSpan<false, kNarrow>(span, pixels, out, count, write);
  }
}
