#include "pel3d/raster/EdgeCorrectedFill.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/AffineSpan.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr ScanRules kEdgeCorrectedRules{.clampLeft = false, .perspectiveEdges = true, .dropNegativeLeft = true};

// The affine span, carrying all 16 bits of v's fraction.
struct EdgeCorrectedSpan {
  const Bitmap& bitmap;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) const {
    OpaqueTexel write;
    const AffineSpan span = SetUpAffineSpan(bitmap, from, to, AffineSpan::kWideFraction);
    DrawAffineSpan(span, bitmap.pixels, row + left, count, write);
  }
};

}  // namespace

void DrawTexturedPolygonEdgeCorrected(const DrawBlock& block) {
  const TexturedPolygonSetUp polygon(block);
  if (polygon.Empty()) return;
  EdgeCorrectedSpan span{polygon.Texture()};
  ScanPolygon<kEdgeCorrectedRules>(polygon.Vertices(), polygon.Count(), span);
}
