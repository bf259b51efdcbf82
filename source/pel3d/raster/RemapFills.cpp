#include "pel3d/raster/RemapFills.h"

#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/ScanConverter.h"

namespace {

constexpr uint64_t kTableBytes = 256;
constexpr uint32_t kKeyMask = 0xFFFF;

struct RemapSpan {
  const uint8_t* table;

  void operator()(uint8_t* row, int32_t left, int32_t count) const {
    uint8_t* out = row + left;
    for (int32_t i = 0; i < count; ++i) out[i] = table[out[i]];
  }
};

struct ReplaceSpan {
  uint8_t key;
  uint8_t replacement;

  void operator()(uint8_t* row, int32_t left, int32_t count) const {
    uint8_t* out = row + left;
    for (int32_t i = 0; i < count; ++i) {
      if (out[i] == key) out[i] = replacement;
    }
  }
};

}  // namespace

void FillPolygonRemap(const DrawBlock& block) {
  const Bitmap* bitmap = block.bitmap;
  if (!bitmap || !bitmap->pixels) return;
  const uint64_t pixelCount = uint64_t{bitmap->width} * bitmap->height;
  const uint32_t key = bitmap->flags & kKeyMask;
  if (pixelCount < kTableBytes || key >= pixelCount) return;
  if (key == 0) {
    RemapSpan span{bitmap->pixels};
    ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
    return;
  }
  ReplaceSpan span{static_cast<uint8_t>(key), bitmap->pixels[key]};
  ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
}
