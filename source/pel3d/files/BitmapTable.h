#pragma once
#include <cstdint>

struct Bitmap;
struct ResourceGroup;
struct TileRecord;

// Bitmaps and tiles of a loaded bitmap group, found by index or texture id.

// The bitmap of an entry; null at or past the group's count.
Bitmap* GetBitmapRecord(const ResourceGroup* group, uint32_t index);
// The tile record a tile id names; null for a plain id, when its bitmap is missing or not a tile set, or
// the tile number is at or past the set's tile count.
TileRecord* GetTileRecord(const ResourceGroup* group, uint32_t textureId);
// What a face's texture id names: the Bitmap of a plain id, the TileRecord of a tile id;
// null as the two above.
void* GetBitmap(const ResourceGroup* group, uint32_t textureId);
int32_t GetBitmapCount(const ResourceGroup* group);
// The number of tiles of a tile set; 0 for a bitmap that is not one.
uint32_t GetTileCount(const Bitmap* bitmap);

// A bitmap read as a table of 256-byte rows (the shade, translucency and remap tables).
constexpr uint32_t kTableRowBytes = 256;
struct TableRows {
  const uint8_t* rows = nullptr;
  int32_t count = 0;
};
// The rows of the group's bitmap; none when there is no such bitmap or it is not 256 wide.
TableRows GetTableRows(const ResourceGroup* group, uint32_t index);
