#include "pel3d/raster/GouraudFills.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/math/Wrap32.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/ScanConverter.h"

namespace {

constexpr uint32_t kHalf = 0x8000;

// The colour at the span's left end and its change per pixel, taken over the distance
// between the two edges plus two pixels, so the right end's colour is never reached.
struct SpanColour {
  uint32_t colour;
  uint32_t step;
};

SpanColour SpanColours(const ChainPoint& left, const ChainPoint& right) {
  const int64_t width = (int64_t{right.x} - left.x + 0x2000) << 4;
  const int64_t step = ((int64_t{right.colour} - left.colour) << 16) / width;
  return {static_cast<uint32_t>(left.colour), static_cast<uint32_t>(wrap32::Low(step))};
}

// Calls write(pixel, index) for each pixel of the span with its dithered palette index.
template <class Write>
void WalkGouraudSpan(uint8_t* out, int32_t count, SpanColour colour, Write& write) {
  uint32_t dither = 0;
  for (int32_t i = 0; i < count; ++i, colour.colour += colour.step) {
    dither ^= kHalf;
    write(out[i], static_cast<uint8_t>((colour.colour - dither) >> 16));
  }
}

struct IndexWrite {
  void operator()(uint8_t& pixel, uint8_t index) const { pixel = index; }
};

struct GouraudSpan {
  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    IndexWrite write;
    WalkGouraudSpan(row + left, count, SpanColours(from, to), write);
  }
};

struct GouraudFogSpan {
  const uint8_t* shade;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    FoggedWrite write{shade, SpanFogLevels(from.level, to.level, count)};
    WalkGouraudSpan(row + left, count, SpanColours(from, to), write);
  }
};

}  // namespace

void FillPolygonGouraud(const DrawBlock& block) {
  GouraudSpan span;
  ScanPolygon<ScanRules{.colour = true}>(block.vertices, block.vertexCount, span);
}

void FillPolygonGouraudFog(const DrawBlock& block) {
  const uint8_t* shade = UsableShadeTable();
  if (!shade) return;
  GouraudFogSpan span{shade};
  ScanPolygon<ScanRules{.fog = true, .colour = true}>(block.vertices, block.vertexCount, span);
}
