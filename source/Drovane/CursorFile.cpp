#include "Drovane/CursorFile.h"

#include <cstring>

#include "platform/ByteOrder.h"

namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kCursorType = 2;

using platform::RangeFits;
using platform::ReadLE16;
using platform::ReadLE32;

// Copies a bottom-up mask with rows padded to 4 bytes into top-down rows of whole bytes.
std::vector<uint8_t> FlipMask(const uint8_t* mask, int32_t height, size_t fileRow, size_t row) {
  std::vector<uint8_t> rows(row * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    std::memcpy(&rows[static_cast<size_t>(y) * row], mask + static_cast<size_t>(height - 1 - y) * fileRow, row);
  }
  return rows;
}

// What is wrong with the bytes as a pointer file, or null when they are one.
const char* CheckCursor(const uint8_t* data, size_t size, CursorImage& image) {
  if (!data || size < kDirectorySize + kEntrySize) return "file size";
  if (ReadLE16(data) != 0 || ReadLE16(data + 2) != kCursorType) return "type";
  if (ReadLE16(data + 4) == 0) return "image count";
  const uint8_t* entry = data + kDirectorySize;
  const uint32_t offset = ReadLE32(entry + 12);
  if (!RangeFits(offset, kInfoHeaderSize, size)) return "image offset";
  const uint8_t* info = data + offset;
  const uint32_t infoSize = ReadLE32(info);
  const int32_t width = static_cast<int32_t>(ReadLE32(info + 4));
  const int32_t doubleHeight = static_cast<int32_t>(ReadLE32(info + 8));
  if (infoSize < kInfoHeaderSize) return "header size";
  if (ReadLE16(info + 14) != 1) return "bit count";
  if (ReadLE32(info + 16) != 0) return "compression";
  if (width < 1 || width > kMaxCursorSide) return "width";
  if (doubleHeight < 2 || doubleHeight > 2 * kMaxCursorSide || doubleHeight % 2 != 0) return "height";
  const int32_t height = doubleHeight / 2;
  const int32_t hotX = ReadLE16(entry + 4);
  const int32_t hotY = ReadLE16(entry + 6);
  if (hotX >= width || hotY >= height) return "hot spot";
  const uint32_t colours = ReadLE32(info + 32) == 0 ? 2 : ReadLE32(info + 32);
  if (colours > 2) return "colour count";
  const size_t row = (static_cast<size_t>(width) + 7) / 8;
  const size_t fileRow = (row + 3) & ~size_t{3};
  const size_t maskSize = fileRow * static_cast<size_t>(height);
  const size_t masksAt = size_t{offset} + infoSize + colours * 4;
  if (!RangeFits(offset, size_t{infoSize} + colours * 4, size) || !RangeFits(masksAt, 2 * maskSize, size)) {
    return "masks";
  }
  image.width = width;
  image.height = height;
  image.hotX = hotX;
  image.hotY = hotY;
  image.xorMask = FlipMask(data + masksAt, height, fileRow, row);
  image.andMask = FlipMask(data + masksAt + maskSize, height, fileRow, row);
  return nullptr;
}

}  // namespace

bool ReadCursorFile(const uint8_t* data, size_t size, CursorImage& image, std::string& badField) {
  const char* problem = CheckCursor(data, size, image);
  if (problem) badField = problem;
  return problem == nullptr;
}
