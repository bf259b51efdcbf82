#include "pel3d/bodies/TextureColourTable.h"

#include <array>

#include "Drovane/Arena.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

const ResourceGroup* gTextureGroup = nullptr;

// Counts colours over rows of a width, rows a pitch apart, and gives the most frequent.
uint8_t MostFrequentColour(const uint8_t* pixels, uint32_t width, uint32_t height, uint32_t pitch) {
  std::array<uint32_t, 256> counts{};
  for (uint32_t row = 0; row < height; ++row) {
    const uint8_t* line = pixels + static_cast<std::size_t>(row) * pitch;
    for (uint32_t column = 0; column < width; ++column) ++counts[line[column]];
  }
  uint8_t best = 0;
  for (int colour = 1; colour < 256; ++colour) {
    if (counts[colour] > counts[best]) best = static_cast<uint8_t>(colour);
  }
  return best;
}

// Fills a tile set's per-tile colours: 1, or 0 when keep asked for a table and there is
// no memory for it (the entry then stays without one).
int ComputeTileColours(TextureColourEntry& entry, const Bitmap& tileSet, const ResourceGroup& group, int keep) {
  const uint32_t tileCount = GetTileCount(&tileSet);
  if (keep == 1) entry.tileColours = ArenaNewArray<uint8_t>(group.arena, tileCount);
  if (!entry.tileColours) return 0;
  for (uint32_t t = 0; t < tileCount; ++t) {
    const uint8_t* texels = tileSet.tiles[t].texels;
    entry.tileColours[t] = MostFrequentColour(texels, tileSet.width, tileSet.height, kTiledTextureSide);
  }
  return 1;
}

}  // namespace

int BuildTextureColourTable(ResourceGroup* group, int keep) {
  if (!group || group->kind != kGroupBitmaps) {
    SetLastResourceError(kErrorNotAGroup);
    return 1;
  }
  gTextureGroup = group;
  const int32_t count = GetBitmapCount(group);
  if (keep == 1) {
    group->textureColours = ArenaNewArray<TextureColourEntry>(group->arena, static_cast<std::size_t>(count));
  }
  if (!group->textureColours) {
    SetLastResourceError(kErrorOutOfMemory);
    return 1;
  }
  for (int32_t i = 0; i < count; ++i) {
    const Bitmap* bitmap = GetBitmapRecord(group, static_cast<uint32_t>(i));
    TextureColourEntry& entry = group->textureColours[i];
    // The file's own flags word may carry the tile-set bit; only tile records make a tile set.
    if (bitmap->tiles) {
      ComputeTileColours(entry, *bitmap, *group, keep);
    } else {
      entry.colour = MostFrequentColour(bitmap->pixels, bitmap->width, bitmap->height, bitmap->width);
    }
  }
  return 0;
}

uint32_t GetTextureColour(uint32_t textureId) {
  if (!gTextureGroup || !gTextureGroup->textureColours) return 0;
  const uint32_t index = TileIdBitmap(textureId) ? TileIdBitmap(textureId) : textureId;
  const Bitmap* bitmap = GetBitmapRecord(gTextureGroup, index);
  if (!bitmap) return 0;
  const TextureColourEntry& entry = gTextureGroup->textureColours[index];
  if (!IsTileId(textureId)) return entry.colour;
  if (!entry.tileColours || TileIdNumber(textureId) >= GetTileCount(bitmap)) return 0;
  return entry.tileColours[TileIdNumber(textureId)];
}

void ForgetTextureColourTable(const ResourceGroup* group) {
  if (gTextureGroup == group) gTextureGroup = nullptr;
}
