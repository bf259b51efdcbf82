#include "pel3d/raster/DepthCorrectedFills.h"

#include <algorithm>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/DepthSubSpans.h"
#include "pel3d/raster/DepthTexelWalk.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr ScanRules kPerspectiveRules{.perspective = true};
// Below two rows a sub-span's walk may step before the bitmap's first pixel.
constexpr Fixedpoint kTwoRows = 2 * kFixedOne;

// With kAxes == TexelAxes::kURowVColumn the vertices' v addresses the columns and u the rows.
template <int32_t kLength, TexelAxes kAxes, class Write>
struct PerspectiveTexturedSpan {
  const Bitmap& bitmap;
  Write write;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) {
    using SubSpans = DepthSubSpans<kLength>;
    SubSpans subSpans(from, to, count);
    uint8_t* out = row + left;
    for (SubSpan sub; subSpans.Next(sub); out += sub.length) {
      // The rounding of the perspective ratio can take an end a little past the polygon's
      // coordinates, which are held inside the bitmap; hold the ends there too.
      const Fixedpoint startColumn = Column(sub.startU, sub.startV);
      const Fixedpoint endColumn = Column(sub.endU, sub.endV);
      const Fixedpoint startRow = Row(sub.startU, sub.startV);
      const Fixedpoint endRow = Row(sub.endU, sub.endV);
      const int64_t columnStep = SubSpans::PixelStep(startColumn, endColumn, sub.length) >> 4;
      const int64_t rowStep = SubSpans::PixelStep(startRow, endRow, sub.length);
      const DepthTexelWalk walk = SetUpPerspectiveTexelWalk(bitmap, startColumn, startRow, columnStep, rowStep);
      if (std::min(startRow, endRow) < kTwoRows) {
        WalkPerspectiveTexels<true>(walk, bitmap, out, sub.length, write);
      } else {
        WalkPerspectiveTexels<false>(walk, bitmap, out, sub.length, write);
      }
    }
  }

  Fixedpoint Column(int32_t u, int32_t v) const {
    return ClampTexCoord(kAxes == TexelAxes::kURowVColumn ? v : u, bitmap.width);
  }
  Fixedpoint Row(int32_t u, int32_t v) const {
    return ClampTexCoord(kAxes == TexelAxes::kURowVColumn ? u : v, bitmap.height);
  }
};

template <int32_t kLength, TexelAxes kAxes, class Write>
void FillPerspective(const DrawBlock& block) {
  const TexturedPolygonSetUp polygon(block, kAxes);
  if (polygon.Empty()) return;
  PerspectiveTexturedSpan<kLength, kAxes, Write> span{polygon.Texture(), Write{}};
  ScanPolygon<kPerspectiveRules>(polygon.Vertices(), polygon.Count(), span);
}

}  // namespace

void FillPolygonPerspective16(const DrawBlock& block) {
  FillPerspective<16, TexelAxes::kUColumnVRow, OpaqueTexel>(block);
}

void FillPolygonPerspective32(const DrawBlock& block) {
  FillPerspective<32, TexelAxes::kUColumnVRow, OpaqueTexel>(block);
}

void FillPolygonPerspectiveBody(const DrawBlock& block) {
  FillPerspective<16, TexelAxes::kURowVColumn, OpaqueTexel>(block);
}

void FillPolygonPerspectiveBodyTransparent(const DrawBlock& block) {
  FillPerspective<16, TexelAxes::kURowVColumn, KeyedTexel>(block);
}
