#include "pel3d/raster/TiledFills.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/math/ExactQuotient.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/ScanConverter.h"
#include "pel3d/raster/TiledSpan.h"

namespace {

// The fog step of a tiled edge divides by its height plus two rows, so the level on an
// edge's last row stays short of its lower vertex's.
constexpr ScanRules kTiledRules{.texture = true};
constexpr ScanRules kTiledFogRules{.texture = true, .fog = true, .fogHeightBonus = 0x20000};

// The walk of a span: u and v step by their change over its width plus one pixel, from the
// left chain's values as they are.
TiledWalk SpanWalk(const ChainPoint& left, const ChainPoint& right) {
  const int64_t width = int64_t{right.x} - left.x + 0x1000;
  const int64_t du = ExactQuotient((int64_t{right.u} - left.u) * 4096, width);
  const int64_t dv = ExactQuotient((int64_t{right.v} - left.v) * 4096, width);
  return StartTiledWalk(left.u, left.v, static_cast<int32_t>(du), static_cast<int32_t>(dv));
}

struct TiledSpan {
  const TileRecord& tile;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    TiledWalk walk = SpanWalk(from, to);
    CopyTexel write;
    WalkTiledSpan(walk, tile, row + left, count, write);
  }
};

struct TiledFogSpan {
  const TileRecord& tile;
  const uint8_t* shade;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    TiledWalk walk = SpanWalk(from, to);
    // The level steps by its change over one pixel more than the span.
    FoggedWrite write{shade, SpanFogLevels(from.level, to.level, count + 1)};
    WalkTiledSpan(walk, tile, row + left, count, write);
  }
};

}  // namespace

void FillPolygonTiled(const DrawBlock& block) {
  if (!UsableTile(block.tile)) return;
  TiledSpan span{*block.tile};
  ScanPolygon<kTiledRules>(block.vertices, block.vertexCount, span);
}

void FillPolygonTiledFog(const DrawBlock& block) {
  const uint8_t* shade = UsableShadeTable();
  if (!shade || !UsableTile(block.tile)) return;
  TiledFogSpan span{*block.tile, shade};
  ScanPolygon<kTiledFogRules>(block.vertices, block.vertexCount, span);
}
