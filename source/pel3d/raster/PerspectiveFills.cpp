#include "pel3d/raster/PerspectiveFills.h"

#include <algorithm>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/PerspectiveSpan.h"
#include "pel3d/raster/PerspectiveTexelWalk.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr ScanRules kPerspectiveRules{.perspective = true};
// Below two rows a sub-span's walk may step before the bitmap's first pixel.
constexpr Fixedpoint kTwoRows = 2 * kFixedOne;

template <int32_t kLength, class Write>
struct PerspectiveTexturedSpan {
  const Bitmap& bitmap;
  Write write;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) {
    using Span = PerspectiveSpan<kLength>;
    uint8_t* out = row + left;
    Span(from, to, count).ForEach([&](const SubSpan& sub) {
      const int64_t columnStep = Span::Step(sub.startU, sub.endU, sub) >> 4;
      const int64_t rowStep = Span::Step(sub.startV, sub.endV, sub);
      const PerspectiveTexelWalk walk = SetUpPerspectiveTexelWalk(bitmap, sub.startU, sub.startV, columnStep, rowStep);
      if (std::min(sub.startV, sub.endV) < kTwoRows) {
        WalkPerspectiveTexels<true>(walk, bitmap, out + sub.offset, sub.pixels, write);
      } else {
        WalkPerspectiveTexels<false>(walk, bitmap, out + sub.offset, sub.pixels, write);
      }
    });
  }
};

template <int32_t kLength, class Write>
void FillPerspective(const DrawBlock& block, TextureAxes axes) {
  const TexturedPolygonSetUp polygon(block, axes);
  if (polygon.Empty()) return;
  PerspectiveTexturedSpan<kLength, Write> span{polygon.Texture(), Write{}};
  ScanPolygon<kPerspectiveRules>(polygon.Vertices(), polygon.Count(), span);
}

}  // namespace

void FillPolygonPerspective16(const DrawBlock& block) {
  FillPerspective<16, OpaqueTexel>(block, TextureAxes::kColumnRow);
}

void FillPolygonPerspective32(const DrawBlock& block) {
  FillPerspective<32, OpaqueTexel>(block, TextureAxes::kColumnRow);
}

void FillPolygonPerspectiveBody(const DrawBlock& block) {
  FillPerspective<16, OpaqueTexel>(block, TextureAxes::kExchanged);
}

void FillPolygonPerspectiveBodyTransparent(const DrawBlock& block) {
  FillPerspective<16, KeyedTexel>(block, TextureAxes::kExchanged);
}
