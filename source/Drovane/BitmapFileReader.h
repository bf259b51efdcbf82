#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The checked layout of an 8-bit uncompressed bitmap file.
struct BitmapLayout {
  int32_t width = 0;
  int32_t height = 0;  // rows, always positive
  bool topDown = false;
  uint32_t colourCount = 0;
  size_t colourTableOffset = 0;
  size_t pixelOffset = 0;
  size_t rowBytes = 0;  // the width rounded up to a multiple of 4

  // The file row that holds image row y (0 is the top).
  size_t RowOffset(int32_t y) const {
    const int32_t fileRow = topDown ? y : height - 1 - y;
    return pixelOffset + static_cast<size_t>(fileRow) * rowBytes;
  }
};

// The largest side a bitmap may have.
constexpr int32_t kMaxBitmapSide = 4096;
// Larger files are not read.
constexpr size_t kMaxBitmapFileSize = 80u << 20;

// Checks a bitmap file's bytes: "BM", an information header of 40 bytes or more, 8 bits,
// no compression, width and |height| 1 to 4096, 0 to 256 colours (0 is 256), the colour
// table (after the information header) and the rows (at the pixel offset) inside the
// bytes; a negative height is stored top-down. On failure badField names what is wrong.
bool ReadBitmapLayout(const uint8_t* data, size_t size, BitmapLayout& layout, std::string& badField);

// Reads a bitmap file and checks it. False when it does not open (no message) or is bad:
// a debug line then names the file and the field.
bool ReadBitmapFile(const char* fileName, std::string& bytes, BitmapLayout& layout);

// Reads the colour table of a bitmap file (blue, green, red, spare per entry) into entries,
// which has room for 256. 0, or kErrorFailure when the file does not open or is bad.
uint32_t LoadBitmapPalette(const char* fileName, uint32_t* entries);
