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

// Fills the bitmap from the bytes at block + offset after checking that it lies within the
// block's size and that its row offsets are those of rows stored one after another; the
// offset moves past it. The reason when the block does not hold such a bitmap, else null.
const char* TakeBitmap(uint8_t* block, uint64_t size, uint64_t& offset, Bitmap& bitmap) {
  if (size - offset < kBitmapHeaderSize) return "a bitmap header passes the file's end";
  const uint8_t* header = block + offset;
  uint64_t width = platform::ReadLE32(header);
  uint64_t height = platform::ReadLE32(header + 4);
  uint64_t rest = size - offset - kBitmapHeaderSize;
  if (height > rest / kRowOffsetSize) return "a bitmap's row offsets pass the file's end";
  rest -= height * kRowOffsetSize;
  if (height != 0 && width > rest / height) return "a bitmap's pixels pass the file's end";
  const uint8_t* rowOffsets = header + kBitmapHeaderSize;
  for (uint64_t row = 0; row < height; ++row)
    if (platform::ReadLE32(rowOffsets + row * kRowOffsetSize) != row * width)
      return "a bitmap's row offset is not its row times its width";
  bitmap.width = static_cast<uint32_t>(width);
  bitmap.height = static_cast<uint32_t>(height);
  bitmap.flags = platform::ReadLE32(header + 8);
  bitmap.pixels = block + offset + kBitmapHeaderSize + height * kRowOffsetSize;
  offset += kBitmapHeaderSize + height * kRowOffsetSize + width * height;
  return nullptr;
}

// Walks the bitmaps of the block, which starts at blockOffset in the file, into the records
// and the group's entries; they must fill the block exactly.
bool WalkBitmaps(uint8_t* block, uint64_t size, uint64_t blockOffset, ResourceGroup& group, Bitmap* bitmaps) {
  uint64_t offset = 0;
  for (int32_t i = 0; i < group.count; ++i) {
    Bitmap& bitmap = bitmaps[i];
    const uint64_t start = offset;
    if (const char* reason = TakeBitmap(block, size, offset, bitmap))
      return EngineFail(kErrorBadContent, "bitmap " + std::to_string(i) + ": " + reason,
                        static_cast<int64_t>(blockOffset + start));
    group.bitmaps[i] = {bitmap.width, bitmap.height, &bitmap};
  }
  if (offset == size) return true;
  return EngineFail(kErrorBadContent, "the file has bytes after its last bitmap", static_cast<int64_t>(blockOffset + offset));
}

}  // namespace

ResourceGroup* LoadBitmapFile(const std::string& path) {
  if (!RequireGroupArena()) return nullptr;
  EngineFile file(path);
  if (!file.IsOpen()) return EngineFail(kErrorOpenFailed, "cannot open " + path);
  uint8_t header[kBitmapFileHeaderSize];
  if (!file.Read(header, sizeof header)) return EngineFail(kErrorBadContent, "the file is shorter than its header", 0);
  uint64_t count = platform::ReadLE32(header + kBitmapCountOffset);
  int64_t length = file.Length();
  // Each bitmap takes its directory entry and at least its own header.
  uint64_t smallest = kBitmapFileHeaderSize + count * (kBitmapDirectoryEntrySize + kBitmapHeaderSize);
  if (length < 0 || count > INT32_MAX || static_cast<uint64_t>(length) < smallest)
    return EngineFail(kErrorBadContent, "the bitmap count passes the file's end", kBitmapCountOffset);
  uint64_t bitmapsOffset = kBitmapFileHeaderSize + count * kBitmapDirectoryEntrySize;
  uint64_t size = static_cast<uint64_t>(length) - bitmapsOffset;
  if (size > UINT32_MAX) return EngineFail(kErrorOutOfMemory, "the bitmaps take more than 4 GB");

  ResourceGroup* group = AllocateGroupHeader();
  if (!group) return nullptr;
  int arena = GetCurrentGroupArena();
  group->bitmaps = ArenaNewArray<BitmapEntry>(arena, count);
  auto* bitmaps = ArenaNewArray<Bitmap>(arena, count);
  auto* block = static_cast<uint8_t*>(ArenaAlloc(arena, static_cast<uint32_t>(size)));
  if (!group->bitmaps || !bitmaps || !block) return EngineFail(kErrorOutOfMemory, "no memory for the bitmaps");
  if (!file.Seek(bitmapsOffset)) return EngineFail(kErrorSeekFailed, "cannot move to the bitmaps", bitmapsOffset);
  if (!file.Read(block, size)) return EngineFail(kErrorBadContent, "a read came short", bitmapsOffset);

  group->count = static_cast<int32_t>(count);
  if (!WalkBitmaps(block, size, bitmapsOffset, *group, bitmaps)) return nullptr;
  group->data = block;
  group->kind = kGroupBitmaps;
  group->slot = 0;
  return group;
}
