#include "X/Body/BodyRaster.h"

#include <algorithm>
#include <cmath>
#include <cstring>


BodyRasterTarget gBodyRaster;

namespace {

bool SpanOnFrame(int32_t x1, int32_t x2, int32_t y) {
  const BodyRasterTarget& t = gBodyRaster;
  if (!t.pixels || x1 < 0 || x2 < 0 || y < 0) return false;
  return x1 <= t.largestX && x2 <= t.largestX && y <= t.largestY && x1 <= x2;
}

uint8_t* PixelAt(int32_t x, int32_t y) {
  return gBodyRaster.pixels + static_cast<ptrdiff_t>(y) * gBodyRaster.pitch + x;
}

}  // namespace

void MyPixel(int32_t x, int32_t y, uint8_t colour) {
  const BodyRasterTarget& t = gBodyRaster;
  if (!t.pixels || x < 0 || y < 0 || x > t.largestX - 1 || y > t.largestY - 1) return;
  *PixelAt(x, y) = colour;
  if (!t.doublePixel) return;
  *PixelAt(x + 1, y) = colour;
  *PixelAt(x, y + 1) = colour;
  *PixelAt(x + 1, y + 1) = colour;
}

void DrawHorzLine(int32_t x1, int32_t x2, int32_t y, uint8_t colour) {
  if (!SpanOnFrame(x1, x2, y)) return;
  uint8_t* at = PixelAt(x1, y);
  const int32_t count = x2 - x1 + 1;
  const int32_t singles = count % 4;
  for (int32_t i = 0; i < singles; ++i) *at++ = colour;
  const uint32_t word = colour * 0x01010101u;
  for (int32_t i = singles; i < count; i += 4, at += 4) std::memcpy(at, &word, sizeof word);
}

void DrawHorzLinePat(int32_t x1, int32_t x2, int32_t y, std::span<const uint8_t> pattern, int32_t colourOffset,
                     float step) {
  if (!SpanOnFrame(x1, x2, y) || !std::isfinite(step) || step < 0.0f) return;
  const int32_t count = x2 - x1 + 1;
  // The last pixel samples farthest; sampling is monotonic, so that one check covers the span.
  if (!(static_cast<float>(count - 1) * step < static_cast<float>(pattern.size()))) return;
  uint8_t* at = PixelAt(x1, y);
  const auto offset = static_cast<uint8_t>(colourOffset);
  auto sample = [&](int32_t i) {
    return static_cast<uint8_t>(pattern[static_cast<size_t>(static_cast<float>(i) * step)] + offset);
  };
  const int32_t singles = count % 4;
  for (int32_t i = 0; i < singles; ++i) *at++ = sample(i);
  for (int32_t i = singles; i < count; i += 4, at += 4) {
    const uint8_t group[4] = {sample(i), sample(i + 1), sample(i + 2), sample(i + 3)};
    std::memcpy(at, group, sizeof group);
  }
}

void PutClippedRun(int32_t x1, int32_t x2, int32_t y, const uint8_t* colours) {
  const BodyRasterTarget& t = gBodyRaster;
  if (!t.pixels || y < 0 || y > t.largestY) return;
  const int32_t first = std::max(x1, 0), last = std::min(x2, t.largestX);
  if (first <= last) std::memcpy(PixelAt(first, y), colours + (first - x1), static_cast<size_t>(last - first + 1));
}

void PutClippedPixel(int32_t x, int32_t y, uint8_t colour) {
  const BodyRasterTarget& t = gBodyRaster;
  if (!t.pixels || x < 0 || y < 0 || x > t.largestX || y > t.largestY) return;
  *PixelAt(x, y) = colour;
}
