#include "pel3d/raster/TexturedPolygonSetUp.h"

#include <algorithm>

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"

namespace {

constexpr uint64_t kMostTexturePixels = uint64_t{1} << 20;
constexpr uint32_t kLongestSide = 32768;  // (side - 1) << 16 fits a 16.16 value

}  // namespace

bool IsUsableTexture(const Bitmap* bitmap) {
  if (!bitmap || !bitmap->pixels || bitmap->width == 0 || bitmap->height == 0) return false;
  if (bitmap->width > kLongestSide || bitmap->height > kLongestSide) return false;
  return uint64_t{bitmap->width} * bitmap->height <= kMostTexturePixels;
}

Fixedpoint ClampTexCoord(Fixedpoint value, uint32_t size) {
  return std::clamp<Fixedpoint>(value, 0, static_cast<Fixedpoint>((size - 1) << 16));
}

TexturedPolygonSetUp::TexturedPolygonSetUp(const DrawBlock& block, TexelAxes axes) {
  if (!IsUsableTexture(block.bitmap) || !block.vertices || block.vertexCount <= 0) return;
  if (block.vertexCount > kClipBufferCapacity) return;
  mBitmap = block.bitmap;
  mCount = block.vertexCount;
  const bool columns = axes == TexelAxes::kURowVColumn;
  const uint32_t uSize = columns ? mBitmap->height : mBitmap->width;
  const uint32_t vSize = columns ? mBitmap->width : mBitmap->height;
  for (int32_t i = 0; i < mCount; ++i) {
    ScreenVertex& vertex = mVertices[static_cast<std::size_t>(i)];
    vertex = block.vertices[i];
    vertex.u = ClampTexCoord(vertex.u, uSize);
    vertex.v = ClampTexCoord(vertex.v, vSize);
  }
}
