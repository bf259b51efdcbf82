#pragma once
#include <cstdint>
#include <string>

// The byte layout of the engine's resource files (".ZEF") and bitmap files, shared by the
// readers, the file writer and the inspector. Every integer is little-endian and every
// offset is absolute from the start of the file.

// A chunk tag as its four bytes read little-endian: the tag's first character is the low byte.
constexpr uint32_t ChunkTag(const char (&tag)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(tag[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(tag[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(tag[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(tag[3])) << 24;
}
constexpr uint32_t kGeomTag = ChunkTag("GEOM");
constexpr uint32_t kCmapTag = ChunkTag("CMAP");

// Resource file: an 8-byte header nobody reads, the chunk count, then the chunk directory.
constexpr uint32_t kResourceHeaderSize = 8;
constexpr uint32_t kChunkCountOffset = 8;
constexpr uint32_t kChunkDirectoryOffset = 12;
constexpr uint32_t kChunkEntrySize = 8;  // {tag, offset}

// "GEOM" chunk head: tag, 4 bytes unread, named count, id count, named table, id table.
constexpr uint32_t kChunkHeadSize = 8;  // the tag and the 4 bytes after it
constexpr uint32_t kGeomFieldsSize = 16;
constexpr uint32_t kGroupNameSize = 17;
constexpr uint32_t kGroupCountCount = 7;
constexpr uint32_t kNamedGroupRecordSize = 53;  // name, body offset, body count, counts
constexpr uint32_t kIdRecordSize = 36;  // id, body offset, counts

// "CMAP" chunk: tag, 4 bytes unread, record count, records of {name, colour-map offset}.
constexpr uint32_t kColourMapRecordSize = 21;
constexpr uint32_t kColourMapSize = 768;  // 256 entries of red, green, blue

// The least a body takes in the file: its 124-byte header and its 12-byte position.
constexpr uint32_t kBodyHeaderSize = 124;
constexpr uint32_t kBodyPositionSize = 12;
constexpr uint32_t kMinimumBodySize = kBodyHeaderSize + kBodyPositionSize;

// Bitmap file: 8 bytes unread, the bitmap count, 4 bytes unread, a 12-byte directory entry
// per bitmap, then the bitmaps. A bitmap is {width, height, flags}, a row-offset table of
// height entries and width x height pixels.
constexpr uint32_t kBitmapFileHeaderSize = 16;
constexpr uint32_t kBitmapCountOffset = 8;
constexpr uint32_t kBitmapDirectoryEntrySize = 12;
constexpr uint32_t kBitmapHeaderSize = 12;
constexpr uint32_t kRowOffsetSize = 4;

// The seven counts that size a body group's memory block.
struct GroupCounts {
  uint32_t values[kGroupCountCount] = {};
};

// Whether a stored 17-byte group name equals name, ignoring the case of the letters. The
// stored name ends at its first zero byte, or after all 17 bytes when it has none.
bool GroupNameEquals(const char* stored, const std::string& name);
// The stored name as a string, by the same rule.
std::string StoredGroupName(const char* stored);
