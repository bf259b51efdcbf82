#include "pel3d/raster/TexturedFills.h"

#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/raster/AffineSpan.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr ScanRules kTextureRules{.texture = true};

template <class Write>
struct TexturedSpan {
  const Bitmap& bitmap;
  Write write;

  void operator()(uint8_t* row, int32_t left, int32_t count, const ChainPoint& from, const ChainPoint& to) {
    DrawAffineSpan(SetUpAffineSpan(bitmap, from, to), bitmap.pixels, row + left, count, write);
  }
};

template <class Write>
void DrawTextured(const DrawBlock& block) {
  const TexturedPolygonSetUp polygon(block);
  if (polygon.Empty()) return;
  TexturedSpan<Write> span{polygon.Texture(), Write{}};
  ScanPolygon<kTextureRules>(polygon.Vertices(), polygon.Count(), span);
}

}  // namespace

void DrawTexturedPolygon(const DrawBlock& block) { DrawTextured<OpaqueTexel>(block); }

void DrawTexturedPolygonKeyed(const DrawBlock& block) {
  if (block.face && (block.face->flags & kFaceTransparent)) {
    DrawTextured<KeyedTexel>(block);
    return;
  }
  DrawTextured<OpaqueTexel>(block);
}
