#include "pel3d/files/BitmapTable.h"

#include "pel3d/files/Bitmap.h"
#include "pel3d/files/ResourceGroup.h"

Bitmap* GetBitmapRecord(const ResourceGroup* group, uint32_t index) {
  if (!group || group->kind != kGroupBitmaps || index >= static_cast<uint32_t>(group->count))
    return nullptr;
  return group->bitmaps[index].bitmap;
}

uint32_t GetTileCount(const Bitmap* bitmap) {
  // The file's own flags word may carry the tile-set bit; only tile records make a tile set.
  if (!bitmap->tiles || bitmap->width == 0) return 0;
  uint32_t perRow = kTiledTextureSide / bitmap->width;
  return perRow * perRow;
}

TileRecord* GetTileRecord(const ResourceGroup* group, uint32_t textureId) {
  if (!IsTileId(textureId)) return nullptr;
  Bitmap* bitmap = GetBitmapRecord(group, TileIdBitmap(textureId));
  if (!bitmap || TileIdNumber(textureId) >= GetTileCount(bitmap)) return nullptr;
  return &bitmap->tiles[TileIdNumber(textureId)];
}

void* GetBitmap(const ResourceGroup* group, uint32_t textureId) {
  if (IsTileId(textureId)) return GetTileRecord(group, textureId);
  return GetBitmapRecord(group, textureId);
}

int32_t GetBitmapCount(const ResourceGroup* group) { return group->count; }

TableRows GetTableRows(const ResourceGroup* group, uint32_t index) {
  const Bitmap* bitmap = GetBitmapRecord(group, index);
  if (!bitmap || !bitmap->pixels || bitmap->width != kTableRowBytes) return {};
  return {bitmap->pixels, static_cast<int32_t>(bitmap->height)};
}
