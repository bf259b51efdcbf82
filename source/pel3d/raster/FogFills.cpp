#include "pel3d/raster/FogFills.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/AffineSpan.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

struct FlatFogSpan {
  const uint8_t* shade;
  uint8_t colour;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    FoggedWrite write{shade, SpanFogLevels(from.level, to.level, count)};
    uint8_t* out = row + left;
    for (int32_t i = 0; i < count; ++i) write(out[i], colour);
  }
};

struct TexturedFogSpan {
  const uint8_t* shade;
  const Bitmap& bitmap;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    FoggedWrite write{shade, SpanFogLevels(from.level, to.level, count)};
    DrawAffineSpan(SetUpAffineSpan(bitmap, from, to), bitmap.pixels, row + left, count, write);
  }
};

}  // namespace

void FillPolygonFlatFog(const DrawBlock& block) {
  const uint8_t* shade = UsableShadeTable();
  if (!shade) return;
  FlatFogSpan span{shade, static_cast<uint8_t>(block.word)};
  ScanPolygon<ScanRules{.fog = true}>(block.vertices, block.vertexCount, span);
}

void DrawTexturedPolygonFog(const DrawBlock& block) {
  const uint8_t* shade = UsableShadeTable();
  if (!shade) return;
  const TexturedPolygonSetUp polygon(block);
  if (polygon.Empty()) return;
  TexturedFogSpan span{shade, polygon.Texture()};
  ScanPolygon<ScanRules{.texture = true, .fog = true}>(polygon.Vertices(), polygon.Count(), span);
}
