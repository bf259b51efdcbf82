#include "pel3d/files/BitmapFile.h"

#include <cstdint>

#include "Drovane/Arena.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/EngineFile.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "platform/ByteOrder.h"

namespace {

ResourceGroup* Fail(int32_t code) {
  SetLastResourceError(code);
  return nullptr;
}

// Fills the bitmap from the bytes at block + offset after checking that it lies within the
// block's size and that its row offsets are those of rows stored one after another; the
// offset moves past it. False when the block does not hold such a bitmap.
bool TakeBitmap(uint8_t* block, uint64_t size, uint64_t& offset, Bitmap& bitmap) {
  if (size - offset < kBitmapHeaderSize) return false;
  const uint8_t* header = block + offset;
  uint64_t width = platform::ReadLE32(header);
  uint64_t height = platform::ReadLE32(header + 4);
  uint64_t rest = size - offset - kBitmapHeaderSize;
  if (height > rest / kRowOffsetSize) return false;
  rest -= height * kRowOffsetSize;
  if (height != 0 && width > rest / height) return false;
  const uint8_t* rowOffsets = header + kBitmapHeaderSize;
  for (uint64_t row = 0; row < height; ++row)
    if (platform::ReadLE32(rowOffsets + row * kRowOffsetSize) != row * width) return false;
  bitmap.width = static_cast<uint32_t>(width);
  bitmap.height = static_cast<uint32_t>(height);
  bitmap.flags = platform::ReadLE32(header + 8);
  bitmap.pixels = block + offset + kBitmapHeaderSize + height * kRowOffsetSize;
  offset += kBitmapHeaderSize + height * kRowOffsetSize + width * height;
  return true;
}

// Walks the bitmaps of the block into the records and the group's entries; they must fill
// the block exactly.
bool WalkBitmaps(uint8_t* block, uint64_t size, ResourceGroup& group, Bitmap* bitmaps) {
  uint64_t offset = 0;
  for (int32_t i = 0; i < group.count; ++i) {
    Bitmap& bitmap = bitmaps[i];
    if (!TakeBitmap(block, size, offset, bitmap)) return false;
    group.bitmaps[i] = {bitmap.width, bitmap.height, &bitmap};
  }
  return offset == size;
}

}  // namespace

ResourceGroup* LoadBitmapFile(const std::string& path) {
  if (!RequireGroupArena()) return nullptr;
  EngineFile file(path);
  if (!file.IsOpen()) return Fail(kErrorOpenFailed);
  uint8_t header[kBitmapFileHeaderSize];
  if (!file.Read(header, sizeof header)) return Fail(kErrorShortRead);
  uint64_t count = platform::ReadLE32(header + kBitmapCountOffset);
  int64_t length = file.Length();
  // Each bitmap takes its directory entry and at least its own header.
  uint64_t smallest = kBitmapFileHeaderSize + count * (kBitmapDirectoryEntrySize + kBitmapHeaderSize);
  if (length < 0 || count > INT32_MAX || static_cast<uint64_t>(length) < smallest)
    return Fail(kErrorShortRead);
  uint64_t bitmapsOffset = kBitmapFileHeaderSize + count * kBitmapDirectoryEntrySize;
  uint64_t size = static_cast<uint64_t>(length) - bitmapsOffset;
  if (size > UINT32_MAX) return Fail(kErrorOutOfMemory);

  ResourceGroup* group = AllocateGroupHeader();
  if (!group) return nullptr;
  int arena = GetCurrentGroupArena();
  group->bitmaps = ArenaNewArray<BitmapEntry>(arena, count);
  auto* bitmaps = ArenaNewArray<Bitmap>(arena, count);
  auto* block = static_cast<uint8_t*>(ArenaAlloc(arena, static_cast<uint32_t>(size)));
  if (!group->bitmaps || !bitmaps || !block) return Fail(kErrorOutOfMemory);
  if (!file.Seek(bitmapsOffset)) return Fail(kErrorSeekFailed);
  if (!file.Read(block, size)) return Fail(kErrorShortRead);

  group->count = static_cast<int32_t>(count);
  if (!WalkBitmaps(block, size, *group, bitmaps)) return Fail(kErrorShortRead);
  group->data = block;
  group->kind = kGroupBitmaps;
  group->slot = 0;
  return group;
}
