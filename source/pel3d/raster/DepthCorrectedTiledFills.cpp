#include "pel3d/raster/DepthCorrectedTiledFills.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/DepthSubSpans.h"
#include "pel3d/raster/TiledSpan.h"

namespace {

constexpr ScanRules kPerspectiveTiledRules{.perspective = true};

template <int32_t kLength>
struct PerspectiveTiledSpan {
  const TileRecord& tile;
  uint32_t columnBias;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    using SubSpans = DepthSubSpans<kLength>;
    SubSpans subSpans(from, to, count);
    uint8_t* out = row + left;
    CopyTexel write;
    for (SubSpan sub; subSpans.Next(sub); out += sub.length) {
      const int32_t du = SubSpans::PixelStep(sub.startU, sub.endU, sub.length);
      const int32_t dv = SubSpans::PixelStep(sub.startV, sub.endV, sub.length);
      TiledWalk walk = StartTiledWalk(sub.startU, sub.startV, du, dv, columnBias);
      WalkTiledSpan(walk, tile, out, sub.length, write);
    }
  }
};

template <int32_t kLength>
void FillTiledPerspective(const DrawBlock& block) {
  if (!UsableTile(block.tile)) return;
  PerspectiveTiledSpan<kLength> span{*block.tile, TileColumnBias(*block.tile)};
  ScanPolygon<kPerspectiveTiledRules>(block.vertices, block.vertexCount, span);
}

}  // namespace

void FillPolygonTiledPerspective16(const DrawBlock& block) { FillTiledPerspective<16>(block); }

void FillPolygonTiledPerspective32(const DrawBlock& block) { FillTiledPerspective<32>(block); }
