#include "Drovane/CursorFile.h"

#include <cstring>

namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kCursorType = 2;

uint16_t Word(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t Dword(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) | (static_cast<uint32_t>(at[2]) << 16) |
         (static_cast<uint32_t>(at[3]) << 24);
}

bool Fail(std::string& badField, const char* field) {
  badField = field;
  return false;
}

bool Within(size_t offset, size_t length, size_t size) { return offset <= size && length <= size - offset; }

// Copies a bottom-up mask with rows padded to 4 bytes into top-down rows of whole bytes.
std::vector<uint8_t> FlipMask(const uint8_t* mask, int32_t height, size_t fileRow, size_t row) {
  std::vector<uint8_t> rows(row * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    std::memcpy(&rows[static_cast<size_t>(y) * row], mask + static_cast<size_t>(height - 1 - y) * fileRow, row);
  }
  return rows;
}

}  // namespace

bool ReadCursorFile(const uint8_t* data, size_t size, CursorImage& image, std::string& badField) {
  if (!data || size < kDirectorySize + kEntrySize) return Fail(badField, "file size");
  if (Word(data) != 0 || Word(data + 2) != kCursorType) return Fail(badField, "type");
  if (Word(data + 4) == 0) return Fail(badField, "image count");
  const uint8_t* entry = data + kDirectorySize;
  const uint32_t offset = Dword(entry + 12);
  if (!Within(offset, kInfoHeaderSize, size)) return Fail(badField, "image offset");
  const uint8_t* info = data + offset;
  const uint32_t infoSize = Dword(info);
  const int32_t width = static_cast<int32_t>(Dword(info + 4));
  const int32_t doubleHeight = static_cast<int32_t>(Dword(info + 8));
  if (infoSize < kInfoHeaderSize) return Fail(badField, "header size");
  if (Word(info + 14) != 1) return Fail(badField, "bit count");
  if (Dword(info + 16) != 0) return Fail(badField, "compression");
  if (width < 1 || width > kMaxCursorSide) return Fail(badField, "width");
  if (doubleHeight < 2 || doubleHeight > 2 * kMaxCursorSide || doubleHeight % 2 != 0) return Fail(badField, "height");
  const int32_t height = doubleHeight / 2;
  const int32_t hotX = Word(entry + 4);
  const int32_t hotY = Word(entry + 6);
  if (hotX >= width || hotY >= height) return Fail(badField, "hot spot");
  const uint32_t colours = Dword(info + 32) == 0 ? 2 : Dword(info + 32);
  if (colours > 2) return Fail(badField, "colour count");
  const size_t row = (static_cast<size_t>(width) + 7) / 8;
  const size_t fileRow = (row + 3) & ~size_t{3};
  const size_t maskSize = fileRow * static_cast<size_t>(height);
  const size_t masksAt = size_t{offset} + infoSize + colours * 4;
  if (!Within(offset, size_t{infoSize} + colours * 4, size) || !Within(masksAt, 2 * maskSize, size)) {
    return Fail(badField, "masks");
  }
  image.width = width;
  image.height = height;
  image.hotX = hotX;
  image.hotY = hotY;
  image.xorMask = FlipMask(data + masksAt, height, fileRow, row);
  image.andMask = FlipMask(data + masksAt + maskSize, height, fileRow, row);
  return true;
}
