#include "pel3d/files/TiledTexture.h"

#include <cstring>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/EngineFile.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "platform/ByteOrder.h"

namespace {

constexpr uint32_t kTexelCount = kTiledTextureSide * kTiledTextureSide;
constexpr uint64_t kTiledFileLength = kBitmapFileHeaderSize + kBitmapDirectoryEntrySize + kBitmapHeaderSize +
                                      kTiledTextureSide * kRowOffsetSize + kTexelCount;

// The block every tiled texture file is read into.
uint8_t* gTiledTextureBlock = nullptr;

// Reads the file's one 256 x 256 bitmap into texels; false when the file is anything else.
bool ReadTiledTextureFile(EngineFile& file, std::vector<uint8_t>& texels) {
  uint8_t header[kBitmapFileHeaderSize + kBitmapDirectoryEntrySize + kBitmapHeaderSize];
  if (file.Length() != static_cast<int64_t>(kTiledFileLength) || !file.Read(header, sizeof header)) return false;
  const uint8_t* bitmap = header + kBitmapFileHeaderSize + kBitmapDirectoryEntrySize;
  if (platform::ReadLE32(header + kBitmapCountOffset) != 1 || platform::ReadLE32(bitmap) != kTiledTextureSide ||
      platform::ReadLE32(bitmap + 4) != kTiledTextureSide)
    return false;
  uint8_t rowOffsets[kTiledTextureSide * kRowOffsetSize];
  if (!file.Read(rowOffsets, sizeof rowOffsets)) return false;
  for (uint32_t row = 0; row < kTiledTextureSide; ++row)
    if (platform::ReadLE32(rowOffsets + row * kRowOffsetSize) != row * kTiledTextureSide) return false;
  texels.resize(kTexelCount);
  return file.Read(texels.data(), texels.size());
}

// Whether SetupTiledTexture would take the bitmap over a given texture. The one block is
// shared by every tiled texture, so a load that cannot set up must not write into it.
bool CanSetUpOverTexture(const ResourceGroup* group, uint32_t wrapMask, uint32_t index) {
  return TileSideForMask(wrapMask) != 0 && GetBitmapRecord(group, index) != nullptr;
}

}  // namespace

uint32_t TileSideForMask(uint32_t wrapMask) {
  switch (wrapMask) {
    case 0x1F1F: return 32;
    case 0x3F3F: return 64;
    case 0x7F7F: return 128;
    default: return 0;
  }
}

int SetupTiledTexture(ResourceGroup* group, uint32_t wrapMask, uint32_t index, uint8_t* texture) {
  uint32_t side = TileSideForMask(wrapMask);
  Bitmap* bitmap = GetBitmapRecord(group, index);
  if (side == 0 || !bitmap) return 0;
  if (!texture) {
    if (bitmap->width != kTiledTextureSide || bitmap->height != kTiledTextureSide) return 0;
    texture = bitmap->pixels;
  }
  uint32_t perRow = kTiledTextureSide / side;
  auto* tiles = ArenaNewArray<TileRecord>(group->arena, perRow * perRow);
  if (!tiles) return EngineFail(kErrorOutOfMemory, "no memory for the tile records");
  for (uint32_t t = 0; t < perRow * perRow; ++t) {
    uint32_t column = t % perRow;
    uint32_t row = t / perRow;
    tiles[t] = {wrapMask, texture + row * side * kTiledTextureSide + column * side};
  }
  bitmap->width = side;
  bitmap->height = side;
  bitmap->flags |= kBitmapTileSet;
  bitmap->tiles = tiles;
  return 1;
}

int LoadTiledTexture(const std::string& path, ResourceGroup* group, uint32_t wrapMask, uint32_t index) {
  EngineFile file(path);
  if (!file.IsOpen()) return EngineFail(kErrorOpenFailed, "cannot open " + path);
  std::vector<uint8_t> texels;
  if (!ReadTiledTextureFile(file, texels))
    return EngineFail(kErrorBadContent, path + " is not one 256 x 256 bitmap");
  if (!CanSetUpOverTexture(group, wrapMask, index)) return 0;
  if (!gTiledTextureBlock) gTiledTextureBlock = static_cast<uint8_t*>(AllocAligned64K());
  if (!gTiledTextureBlock) return 0;
  std::memcpy(gTiledTextureBlock, texels.data(), texels.size());
  return SetupTiledTexture(group, wrapMask, index, gTiledTextureBlock);
}
