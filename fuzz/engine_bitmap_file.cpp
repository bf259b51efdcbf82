// The bitmap-file reader, the bitmap table and the tiled textures over what it loads.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzEngine.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/TiledTexture.h"

namespace {

constexpr uint32_t kMostBitmaps = 16;
volatile uint32_t gSink;
uint8_t gTexture[kTiledTextureSide * kTiledTextureSide];

// Touches every pixel a bitmap claims, so that the sanitizer sees one out of bounds.
void ReadPixels(const Bitmap& bitmap) {
  uint32_t sum = 0;
  for (uint64_t row = 0; row < bitmap.height; ++row)
    for (uint64_t column = 0; column < bitmap.width; ++column) sum += bitmap.pixels[row * bitmap.width + column];
  gSink = sum;
}

// Touches the first and last texel of every tile of a tile set.
void ReadTiles(const ResourceGroup* group, uint32_t index) {
  const Bitmap* bitmap = GetBitmapRecord(group, index);
  for (uint32_t t = 0; t < GetTileCount(bitmap); ++t) {
    const TileRecord* tile = GetTileRecord(group, MakeTileId(index, t));
    if (index != 0 && !tile) std::abort();
    const TileRecord& record = bitmap->tiles[t];
    gSink = record.texels[0] + record.texels[(bitmap->height - 1) * kTiledTextureSide + bitmap->width - 1];
  }
}

void ExerciseBitmaps(ResourceGroup* group, const std::string& path) {
  uint32_t count = std::min(static_cast<uint32_t>(GetBitmapCount(group)), kMostBitmaps);
  for (uint32_t i = 0; i < count; ++i) ReadPixels(*GetBitmapRecord(group, i));
  if (GetBitmap(group, static_cast<uint32_t>(GetBitmapCount(group))) || GetBitmap(group, MakeTileId(1, 0)))
    std::abort();
  for (uint32_t i = 0; i < count; ++i) {
    if (SetupTiledTexture(group, 0x1F1F, i, nullptr)) ReadTiles(group, i);
  }
  if (count > 0 && SetupTiledTexture(group, 0x7F7F, count - 1, gTexture)) ReadTiles(group, count - 1);
  if (count > 0 && LoadTiledTexture(path, group, 0x3F3F, 0)) ReadTiles(group, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CleanEngine();
  int arenas = ArenaCount();
  std::string path = WriteFuzzFile("FUZZ.BMP", data, size);
  if (ResourceGroup* group = LoadResourceGroup(path, kGroupBitmaps)) ExerciseBitmaps(group, path);
  CleanEngineAndCheckArenas(arenas);
  return 0;
}
