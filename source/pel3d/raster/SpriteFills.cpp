#include "pel3d/raster/SpriteFills.h"

#include <algorithm>
#include <cstdint>

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
  const int64_t farSide = std::min<int64_t>(int64_t{size} << 16, INT32_MAX);
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, farSide));
}

// One axis of a sprite after its step and clipping: the pixels from first for count, the
// texture coordinate (16.16) at the first, its step per pixel, and the correction for the
// fraction of the start (in the step's units shifted right by 4).
struct SpriteAxis {
  int32_t first = 0;
  int32_t count = 0;
  int32_t start = 0;
  int32_t step = 0;
  int32_t correction = 0;
};

// The axis from centre - half to centre + half (20.12) over the texture coordinates from
// and to, clipped to clipLow .. clipHigh.
SpriteAxis ClipAxis(int32_t centre, int32_t half, int32_t from, int32_t to, int32_t clipLow, int32_t clipHigh) {
  SpriteAxis axis;
  axis.step = Low32(((int64_t{to} - from) << 12) / (2 * int64_t{half}));
  int64_t low = int64_t{centre} - half;
  axis.start = from;
  if (low < clipLow) {
    axis.start += Low32(((clipLow - low) * axis.step) >> 12);
    low = clipLow;
  }
  const int64_t high = std::min<int64_t>(int64_t{centre} + half, clipHigh);
  axis.first = static_cast<int32_t>(low >> 12);
  axis.count = static_cast<int32_t>((high >> 12) - axis.first);
  axis.correction = -Low32(((low & 0xFFF) * axis.step) >> 16);
  return axis;
}

// What is left of a sprite after its steps and clipping.
struct SpriteArea {
  SpriteAxis columns;
  SpriteAxis rows;  // its correction applies to v (16.16), once
};

SpriteArea SetUpSprite(const ScreenVertex& centre, const ScreenVertex& size, const Bitmap& bitmap) {
  if (size.x <= 0 || size.y <= 0) return {};
  const ClipRect& clip = gView.clip;
  return {ClipAxis(centre.x, size.x, EdgeCoordinate(centre.u, bitmap.width), EdgeCoordinate(size.u, bitmap.width),
                   clip.left, clip.right),
          ClipAxis(centre.y, size.y, EdgeCoordinate(centre.v, bitmap.height), EdgeCoordinate(size.v, bitmap.height),
                   clip.top, clip.bottom)};
}

// The frame-buffer rows and columns exist for every pixel of the area.
bool FitsFrameBuffer(const SpriteArea& area) {
  if (!gViewFrameBuffer.pixels || area.columns.first < 0 || area.rows.first < 0) return false;
  if (int64_t{area.columns.first} + area.columns.count > gView.pitch) return false;
  return int64_t{area.rows.first} + area.rows.count <= static_cast<int64_t>(gView.rowOffsets.size());
}

// Fills the area row by row; the bitmap row is held inside the bitmap.
template <class Write>
void FillSprite(const SpriteArea& area, const Bitmap& bitmap, const Write& write) {
  const int32_t lastRow = static_cast<int32_t>(bitmap.height) - 1;
  const SpriteAxis& columns = area.columns;
  const int64_t position = static_cast<uint32_t>(columns.start) >> 4;
  int32_t v = area.rows.start;
  int32_t rowCorrection = area.rows.correction;
  for (int32_t row = 0; row < area.rows.count; ++row) {
    const int32_t bitmapRow = std::clamp(v >> 16, 0, lastRow);
    v += area.rows.step + rowCorrection;
    rowCorrection = 0;
    uint8_t* out =
        gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(area.rows.first + row)] + columns.first;
    const TexelRun run{bitmap.pixels + std::size_t{bitmap.width} * static_cast<uint32_t>(bitmapRow),
                       static_cast<int32_t>(bitmap.width), position, columns.step >> 4, columns.correction,
                       columns.count};
    DrawTexelRun(run, out, 1, write);
  }
}

template <class Write>
void DrawSpriteWith(const DrawBlock& block, const Write& write) {
  if (block.vertexCount != 2 || !block.vertices || !IsUsableTexture(block.bitmap)) return;
  const SpriteArea area = SetUpSprite(block.vertices[0], block.vertices[1], *block.bitmap);
  if (area.columns.count <= 0 || area.rows.count <= 0 || !FitsFrameBuffer(area)) return;
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
