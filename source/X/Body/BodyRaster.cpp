#include "X/Body/BodyRaster.h"

#include <cstring>

#include "X/Body/BodyNumbers.h"

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
  if (!SpanOnFrame(x1, x2, y)) return;
  const int32_t count = x2 - x1 + 1;
  const int32_t lastSample = TruncateToInt(static_cast<double>(count - 1) * step);
  if (step < 0.0f || lastSample < 0 || static_cast<size_t>(lastSample) >= pattern.size()) return;
  uint8_t* at = PixelAt(x1, y);
  auto sample = [&](int32_t i) {
    return static_cast<uint8_t>(pattern[static_cast<size_t>(TruncateToInt(static_cast<double>(i) * step))] +
                                colourOffset);
  };
  const int32_t singles = count % 4;
  for (int32_t i = 0; i < singles; ++i) *at++ = sample(i);
  for (int32_t i = singles; i < count; i += 4, at += 4) {
    const uint8_t group[4] = {sample(i), sample(i + 1), sample(i + 2), sample(i + 3)};
    std::memcpy(at, group, sizeof group);
  }
}

void PutClippedPixel(int32_t x, int32_t y, uint8_t colour) {
  const BodyRasterTarget& t = gBodyRaster;
  if (!t.pixels || x < 0 || y < 0 || x > t.largestX || y > t.largestY) return;
  *PixelAt(x, y) = colour;
}
