#include "pel3d/raster/TexturedPolygonSetUp.h"

#include <algorithm>
#include <utility>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"

namespace {

constexpr uint64_t kMostTexturePixels = uint64_t{1} << 20;
constexpr uint32_t kLongestSide = 32768;  // (side - 1) << 16 fits a 16.16 value

bool Usable(const Bitmap* bitmap) {
  if (!bitmap || !bitmap->pixels || bitmap->width == 0 || bitmap->height == 0) return false;
  if (bitmap->width > kLongestSide || bitmap->height > kLongestSide) return false;
  return uint64_t{bitmap->width} * bitmap->height <= kMostTexturePixels;
}

Fixedpoint Clamped(Fixedpoint value, uint32_t size) {
  return std::clamp<Fixedpoint>(value, 0, static_cast<Fixedpoint>((size - 1) << 16));
}

}  // namespace

TexturedPolygonSetUp::TexturedPolygonSetUp(const DrawBlock& block, TextureAxes axes) {
  if (!Usable(block.bitmap) || !block.vertices || block.vertexCount <= 0) return;
  if (block.vertexCount > kClipBufferCapacity) return;
  mBitmap = block.bitmap;
  mCount = block.vertexCount;
  for (int32_t i = 0; i < mCount; ++i) {
    ScreenVertex& vertex = mVertices[static_cast<std::size_t>(i)];
    vertex = block.vertices[i];
    if (axes == TextureAxes::kExchanged) std::swap(vertex.u, vertex.v);
    vertex.u = Clamped(vertex.u, mBitmap->width);
    vertex.v = Clamped(vertex.v, mBitmap->height);
  }
}
