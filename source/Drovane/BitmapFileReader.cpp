#include "Drovane/BitmapFileReader.h"

#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kMinInfoHeaderSize = 40;

using platform::RangeFits;
using platform::ReadLE16;
using platform::ReadLE32;

// What is wrong with the bytes as a bitmap file, or null when they are one.
const char* CheckLayout(const uint8_t* data, size_t size, BitmapLayout& layout) {
  if (!data || size < kFileHeaderSize + kMinInfoHeaderSize) return "file size";
  if (data[0] != 'B' || data[1] != 'M') return "signature";
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t infoSize = ReadLE32(info);
  if (infoSize < kMinInfoHeaderSize || !RangeFits(kFileHeaderSize, infoSize, size)) return "header size";
  const int32_t width = static_cast<int32_t>(ReadLE32(info + 4));
  const int32_t height = static_cast<int32_t>(ReadLE32(info + 8));
  if (ReadLE16(info + 14) != 8) return "bit count";
  if (ReadLE32(info + 16) != 0) return "compression";
  if (width < 1 || width > kMaxBitmapSide) return "width";
  if (height == 0 || height < -kMaxBitmapSide || height > kMaxBitmapSide) return "height";
  const uint32_t used = ReadLE32(info + 32);
  if (used > 256) return "colour count";
  layout.width = width;
  layout.height = height < 0 ? -height : height;
  layout.topDown = height < 0;
  layout.colourCount = used == 0 ? 256 : used;
  layout.colourTableOffset = kFileHeaderSize + infoSize;
  if (!RangeFits(layout.colourTableOffset, layout.colourCount * 4, size)) return "colour table";
  layout.pixelOffset = ReadLE32(data + 10);
  layout.rowBytes = (static_cast<size_t>(width) + 3) & ~size_t{3};
  if (!RangeFits(layout.pixelOffset, layout.rowBytes * static_cast<size_t>(layout.height), size)) {
    return "pixel offset";
  }
  return nullptr;
}

}  // namespace

bool ReadBitmapLayout(const uint8_t* data, size_t size, BitmapLayout& layout, std::string& badField) {
  const char* problem = CheckLayout(data, size, layout);
  if (problem) badField = problem;
  return problem == nullptr;
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
  for (uint32_t i = 0; i < layout.colourCount; ++i) entries[i] = ReadLE32(table + 4 * i);
  return kNoError;
}
