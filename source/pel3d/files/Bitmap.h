#pragma once
#include <cstdint>

// Textures: 8-bit palette-indexed bitmaps of a bitmap group, and tile sets cut from
// 256 x 256 textures that the tiled rasterisers repeat with a wrap mask.

// Set in a bitmap's flags once it has been turned into a tile set.
constexpr uint32_t kBitmapTileSet = 0x4;

// The texture rows of a tile set are 256 bytes apart.
constexpr uint32_t kTiledTextureSide = 256;

// One tile of a tile set: the texel at row r, column c is texels[256 r + c]. The wrap
// mask's low byte (side - 1) wraps the column, its second byte the row.
struct TileRecord {
  uint32_t wrapMask = 0;
  uint8_t* texels = nullptr;
};

// A bitmap of a loaded group. Its pixels stay in the group's file block, row r at
// pixels + r x width. A tile set has the tile side as width and height, the flag
// kBitmapTileSet and its tile records.
struct Bitmap {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t flags = 0;
  uint8_t* pixels = nullptr;  // also the "pixel data" of the shade, remap and sky tables
  TileRecord* tiles = nullptr;  // a tile set's records, (256 / width) squared of them
};

// A bitmap group's entry: the size the bitmap had when loaded, and the bitmap.
struct BitmapEntry {
  uint32_t width = 0;
  uint32_t height = 0;
  Bitmap* bitmap = nullptr;
};

// A texture id names a bitmap by its index, or, with a bitmap index in its high 16 bits,
// a tile of that bitmap's tile set by the tile number in its low 16 bits.
constexpr bool IsTileId(uint32_t textureId) { return (textureId >> 16) != 0; }
constexpr uint32_t TileIdBitmap(uint32_t textureId) { return textureId >> 16; }
constexpr uint32_t TileIdNumber(uint32_t textureId) { return textureId & 0xFFFF; }
constexpr uint32_t MakeTileId(uint32_t bitmapIndex, uint32_t tileNumber) {
  return bitmapIndex << 16 | tileNumber;
}
