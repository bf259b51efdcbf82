#include "Drovane/BitmapFileReader.h"

#include <cstring>

#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "platform/FileHandle.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kMinInfoHeaderSize = 40;

uint16_t Word(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t Dword(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) | (static_cast<uint32_t>(at[2]) << 16) |
         (static_cast<uint32_t>(at[3]) << 24);
}

bool Fail(std::string& badField, const char* field) {
  badField = field;
  return false;
}

// Whether length bytes from offset lie within size, without overflowing.
bool Within(size_t offset, size_t length, size_t size) { return offset <= size && length <= size - offset; }

}  // namespace

bool ReadBitmapLayout(const uint8_t* data, size_t size, BitmapLayout& layout, std::string& badField) {
  if (!data || size < kFileHeaderSize + kMinInfoHeaderSize) return Fail(badField, "file size");
  if (data[0] != 'B' || data[1] != 'M') return Fail(badField, "signature");
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t infoSize = Dword(info);
  if (infoSize < kMinInfoHeaderSize || !Within(kFileHeaderSize, infoSize, size)) return Fail(badField, "header size");
  const int32_t width = static_cast<int32_t>(Dword(info + 4));
  const int32_t height = static_cast<int32_t>(Dword(info + 8));
  if (Word(info + 14) != 8) return Fail(badField, "bit count");
  if (Dword(info + 16) != 0) return Fail(badField, "compression");
  if (width < 1 || width > kMaxBitmapSide) return Fail(badField, "width");
  if (height == 0 || height < -kMaxBitmapSide || height > kMaxBitmapSide) return Fail(badField, "height");
  const uint32_t used = Dword(info + 32);
  if (used > 256) return Fail(badField, "colour count");
  layout.width = width;
  layout.height = height < 0 ? -height : height;
  layout.topDown = height < 0;
  layout.colourCount = used == 0 ? 256 : used;
  layout.colourTableOffset = kFileHeaderSize + infoSize;
  if (!Within(layout.colourTableOffset, layout.colourCount * 4, size)) return Fail(badField, "colour table");
  layout.pixelOffset = Dword(data + 10);
  layout.rowBytes = (static_cast<size_t>(width) + 3) & ~size_t{3};
  if (!Within(layout.pixelOffset, layout.rowBytes * static_cast<size_t>(layout.height), size)) {
    return Fail(badField, "pixel offset");
  }
  return true;
}

bool ReadBitmapFile(const char* fileName, std::string& bytes, BitmapLayout& layout) {
  if (!fileName || !platform::ReadWholeFile(fileName, bytes, kMaxBitmapFileSize)) return false;
  std::string badField;
  if (ReadBitmapLayout(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), layout, badField)) return true;
  DebugPrintf("Bad bitmap file %s: %s.", fileName, badField.c_str());
  return false;
}

uint32_t LoadBitmapPalette(const char* fileName, uint32_t* entries) {
  std::string bytes;
  BitmapLayout layout;
  if (!entries || !ReadBitmapFile(fileName, bytes, layout)) return kErrorFailure;
  const auto* table = reinterpret_cast<const uint8_t*>(bytes.data()) + layout.colourTableOffset;
  for (uint32_t i = 0; i < layout.colourCount; ++i) entries[i] = Dword(table + 4 * i);
  return kNoError;
}
