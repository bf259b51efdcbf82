#include "pel3d/raster/SpriteFills.h"

#include <algorithm>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/TexelRun.h"
#include "pel3d/raster/TexelWrites.h"
#include "pel3d/raster/TexturedPolygonSetUp.h"

namespace {

constexpr uint32_t kFaceTranslucent = 0x1;

int32_t Low32(int64_t value) { return static_cast<int32_t>(value); }

// The corners' coordinates are edges of the texture, so they may reach its far side; each
// sample is still held inside the bitmap as it is taken.
int32_t EdgeCoordinate(int32_t value, uint32_t size) {
  return std::clamp<int32_t>(value, 0, static_cast<int32_t>(size << 16));
}

// What is left of a sprite after its steps and clipping: the pixels to write and the
// texture position of the first.
struct SpriteArea {
  int32_t firstColumn = 0;
  int32_t columns = 0;
  int32_t firstRow = 0;
  int32_t rows = 0;
  int32_t uStart = 0;  // 16.16 texels
  int32_t v = 0;  // 16.16 texels
  int32_t uStep = 0;
  int32_t vStep = 0;
  int32_t columnCorrection = 0;  // 12 fraction bits, once per row
  int32_t rowCorrection = 0;  // 16.16, once
};

// The steps, the rectangle clipped to the clip rectangle and the corrections of its
// fractional left and top; no columns or rows when nothing is drawn.
SpriteArea SetUpSprite(const ScreenVertex& centre, const ScreenVertex& size, const Bitmap& bitmap) {
  SpriteArea area;
  const int32_t hw = size.x;
  const int32_t hh = size.y;
  if (hw <= 0 || hh <= 0) return area;
  const int32_t u0 = EdgeCoordinate(centre.u, bitmap.width);
  const int32_t u1 = EdgeCoordinate(size.u, bitmap.width);
  const int32_t v0 = EdgeCoordinate(centre.v, bitmap.height);
  const int32_t v1 = EdgeCoordinate(size.v, bitmap.height);
  area.uStep = Low32(((int64_t{u1} - u0) << 12) / (2 * int64_t{hw}));
  area.vStep = Low32(((int64_t{v1} - v0) << 12) / (2 * int64_t{hh}));
  const ClipRect& clip = gView.clip;
  int64_t left = int64_t{centre.x} - hw;
  area.uStart = u0;
  if (left < clip.left) {
    area.uStart += Low32(((clip.left - left) * area.uStep) >> 12);
    left = clip.left;
  }
  const int64_t right = std::min<int64_t>(int64_t{centre.x} + hw, clip.right);
  int64_t top = int64_t{centre.y} - hh;
  area.v = v0;
  if (top < clip.top) {
    area.v += Low32(((clip.top - top) * area.vStep) >> 12);
    top = clip.top;
  }
  const int64_t bottom = std::min<int64_t>(int64_t{centre.y} + hh, clip.bottom);
  area.firstColumn = static_cast<int32_t>(left >> 12);
  area.columns = static_cast<int32_t>((right >> 12) - area.firstColumn);
  area.firstRow = static_cast<int32_t>(top >> 12);
  area.rows = static_cast<int32_t>((bottom >> 12) - area.firstRow);
  area.columnCorrection = -Low32(((left & 0xFFF) * area.uStep) >> 16);
  area.rowCorrection = -Low32(((top & 0xFFF) * area.vStep) >> 16);
  return area;
}

// The frame-buffer rows and columns exist for every pixel of the area.
bool FitsFrameBuffer(const SpriteArea& area) {
  if (!gViewFrameBuffer.pixels || area.firstColumn < 0 || area.firstRow < 0) return false;
  if (int64_t{area.firstColumn} + area.columns > gView.pitch) return false;
  return int64_t{area.firstRow} + area.rows <= static_cast<int64_t>(gView.rowOffsets.size());
}

// Fills the area row by row; the bitmap row is held inside the bitmap.
template <class Write>
void FillSprite(SpriteArea area, const Bitmap& bitmap, const Write& write) {
  const int32_t lastRow = static_cast<int32_t>(bitmap.height) - 1;
  const int32_t pixelStep = area.uStep >> 4;
  const int64_t position = static_cast<uint32_t>(area.uStart) >> 4;
  for (int32_t row = 0; row < area.rows; ++row) {
    const int32_t bitmapRow = std::clamp(area.v >> 16, 0, lastRow);
    area.v += area.vStep + area.rowCorrection;
    area.rowCorrection = 0;
    uint8_t* out = gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(area.firstRow + row)] +
                   area.firstColumn;
    const TexelRun run{bitmap.pixels + std::size_t{bitmap.width} * static_cast<uint32_t>(bitmapRow),
                       static_cast<int32_t>(bitmap.width), position, pixelStep, area.columnCorrection,
                       area.columns};
    DrawTexelRun(run, out, 1, write);
  }
}

template <class Write>
void DrawSpriteWith(const DrawBlock& block, const Write& write) {
  if (block.vertexCount != 2 || !block.vertices || !IsUsableTexture(block.bitmap)) return;
  const SpriteArea area = SetUpSprite(block.vertices[0], block.vertices[1], *block.bitmap);
  if (area.columns <= 0 || area.rows <= 0 || !FitsFrameBuffer(area)) return;
  FillSprite(area, *block.bitmap, write);
}

}  // namespace

void DrawSprite(const DrawBlock& block) {
  const uint32_t flags = block.face ? block.face->flags : 0;
  if (flags & kFaceTranslucent) {
    if (const uint8_t* table = UsableTranslucencyTable()) DrawSpriteWith(block, TranslucentTexel{table});
    return;
  }
  if (flags & kFaceTransparent) {
    DrawSpriteWith(block, KeyedTexel{});
    return;
  }
  DrawSpriteWith(block, OpaqueTexel{});
}

void DrawSpriteFog(const DrawBlock& block) {
  const uint8_t* shade = UsableShadeTable();
  if (!shade || block.vertexCount != 2 || !block.vertices) return;
  const int32_t level = VertexFogLevel(block.vertices[0].z) >> 16;
  DrawSpriteWith(block, ShadedKeyedTexel{shade + level * kShadeRowBytes});
}
