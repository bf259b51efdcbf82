#include "game/world/WorldFaceRoutines.h"

#include <algorithm>

#include "game/world/DrawFrameCounter.h"
#include "game/world/WorldResources.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"

namespace {

constexpr int kScreenFraction = 12;
constexpr uint32_t kPhaseMask = 7;
constexpr int32_t kLightSide = 2;

// The pixels a routine may write: the clip rectangle, held to the rows the row-offset
// table reaches and to the pitch. Right and bottom are exclusive.
struct PixelArea {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

PixelArea WritableArea() {
  if (!gViewFrameBuffer.pixels || gView.pitch <= 0) return {};
  const auto rows = static_cast<int64_t>(gView.rowOffsets.size());
  return {std::max(gView.clip.left >> kScreenFraction, 0), std::max(gView.clip.top >> kScreenFraction, 0),
          std::min<int64_t>(gView.clip.right >> kScreenFraction, gView.pitch),
          std::min<int64_t>(gView.clip.bottom >> kScreenFraction, rows)};
}

uint8_t* RowStart(int64_t row) { return gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(row)]; }

const ScreenVertex* FirstVertex(const DrawBlock& block) {
  return block.vertexCount >= 1 ? block.vertices : nullptr;
}

// A rectangle of one colour from (x, y), the part inside the area.
void FillClipped(int64_t x, int64_t y, int64_t width, int64_t height, uint8_t colour) {
  const PixelArea area = WritableArea();
  const int64_t left = std::max(x, area.left);
  const int64_t right = std::min(x + width, area.right);
  for (int64_t row = std::max(y, area.top); row < std::min(y + height, area.bottom); ++row) {
    if (left < right) std::fill(RowStart(row) + left, RowStart(row) + right, colour);
  }
}

int64_t PixelOf(int32_t screenCoordinate) { return screenCoordinate >> kScreenFraction; }

// The bitmap scaled to a square of side size from (x, y), texel 0 left out.
void DrawSquare(const Bitmap& bitmap, int64_t x, int64_t y, int64_t size) {
  const PixelArea area = WritableArea();
  const int64_t left = std::max(x, area.left);
  const int64_t right = std::min(x + size, area.right);
  for (int64_t row = std::max(y, area.top); row < std::min(y + size, area.bottom); ++row) {
    const uint8_t* texels = bitmap.pixels + (row - y) * bitmap.height / size * bitmap.width;
    uint8_t* line = RowStart(row);
    for (int64_t column = left; column < right; ++column) {
      const uint8_t texel = texels[(column - x) * bitmap.width / size];
      if (texel != 0) line[column] = texel;
    }
  }
}

}  // namespace

void DrawPixelPrimitive(const DrawBlock& block) {
  const ScreenVertex* vertex = FirstVertex(block);
  if (!vertex) return;
  FillClipped(PixelOf(vertex->x), PixelOf(vertex->y), 1, 1, static_cast<uint8_t>(block.word));
}

uint32_t BlinkPhase(uint32_t colour) {
  if (colour == 246) return 0;
  if (colour >= 249 && colour <= 252) return colour - 248;
  return 5;
}

void DrawBlinkingLight(const DrawBlock& block) {
  const ScreenVertex* vertex = FirstVertex(block);
  const auto colour = static_cast<uint8_t>(block.word);
  if (!vertex || (gDrawFrameCounter & kPhaseMask) != BlinkPhase(colour)) return;
  FillClipped(PixelOf(vertex->x), PixelOf(vertex->y), kLightSide, kLightSide, colour);
}

void DrawParticleSprite(const DrawBlock& block) {
  const ScreenVertex* vertex = FirstVertex(block);
  if (!vertex || block.word >= kParticleKinds || vertex->z >= kParticleFarDepth) return;
  const Bitmap* bitmap = GetBitmapRecord(WorldBitmapGroup, kFirstParticleBitmap + block.word);
  if (!bitmap || !bitmap->pixels || bitmap->width == 0 || bitmap->height == 0) return;
  const int64_t size = std::max(ProjectLength(kParticleSize, vertex->z), 1);
  DrawSquare(*bitmap, PixelOf(vertex->x) - size / 2, PixelOf(vertex->y) - size / 2, size);
}

void BindWorldFaceRoutines() {
  BindRasterRoutine(RasterId::kDrawPixelPrimitive, DrawPixelPrimitive);
  BindRasterRoutine(RasterId::kDrawBlinkingLight, DrawBlinkingLight);
  BindRasterRoutine(RasterId::kDrawParticleSprite, DrawParticleSprite);
}
