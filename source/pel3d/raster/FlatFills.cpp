#include "pel3d/raster/FlatFills.h"

#include <cstring>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/ScanConverter.h"

namespace {

constexpr int32_t kPatternSide = 64;
constexpr uint32_t kPatternBytes = kPatternSide * kPatternSide;

// Four bytes per store from the first pixel on, then the rest one by one.
struct SolidSpan {
  uint32_t colour4;

  void operator()(uint8_t* row, int32_t left, int32_t count) const {
    uint8_t* out = row + left;
    for (int32_t i = count >> 2; i > 0; --i, out += 4) std::memcpy(out, &colour4, 4);
    for (int32_t i = count & 3; i > 0; --i) *out++ = static_cast<uint8_t>(colour4);
  }
};

struct PatternSpan {
  const uint8_t* pattern;
  int32_t patternRow = 0;

  void operator()(uint8_t* row, int32_t left, int32_t count) {
    const uint8_t* source = pattern + patternRow * kPatternSide;
    uint8_t* out = row + left;
    for (; count >= kPatternSide; count -= kPatternSide, out += kPatternSide) std::memcpy(out, source, kPatternSide);
    std::memcpy(out, source, static_cast<std::size_t>(count));
    patternRow = (patternRow + 1) % kPatternSide;
  }
};

bool HasPixels(const Bitmap* bitmap, uint32_t atLeast) {
  return bitmap && bitmap->pixels && uint64_t{bitmap->width} * bitmap->height >= atLeast;
}

void FillSolid(const DrawBlock& block, uint8_t colour) {
  SolidSpan span{colour * 0x01010101u};
  ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
}

}  // namespace

void FillPolygonFlat(const DrawBlock& block) { FillSolid(block, static_cast<uint8_t>(block.word)); }

void FillPolygonFirstPixel(const DrawBlock& block) {
  if (!HasPixels(block.bitmap, 1)) return;
  FillSolid(block, block.bitmap->pixels[0]);
}

void FillPolygonPattern(const DrawBlock& block) {
  if (!HasPixels(block.bitmap, kPatternBytes)) return;
  PatternSpan span{block.bitmap->pixels};
  ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
}
