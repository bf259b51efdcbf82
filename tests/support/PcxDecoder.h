#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/StaticColours.h"

// What a test reads back from an 8-bit run-length PCX file.
struct DecodedPcx {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // rows top-down, width bytes each
  std::array<platform::Rgb, 256> palette{};
};

// False when the file is not an 8-bit one-plane run-length PCX with its palette at the end.
inline bool DecodePcx(const std::string& file, DecodedPcx& out) {
  auto byte = [&](size_t at) { return static_cast<uint8_t>(file[at]); };
  auto word = [&](size_t at) { return byte(at) | byte(at + 1) << 8; };
  if (file.size() < 128 + 769 || byte(0) != 10 || byte(2) != 1 || byte(3) != 8 || byte(65) != 1) return false;
  out.width = word(8) - word(4) + 1;
  out.height = word(10) - word(6) + 1;
  if (word(66) != out.width) return false;
  const size_t paletteAt = file.size() - 768;
  if (byte(paletteAt - 1) != 12) return false;
  out.pixels.clear();
  size_t at = 128;
  for (int32_t y = 0; y < out.height; ++y) {
    size_t row = 0;
    while (row < static_cast<size_t>(out.width)) {
      if (at >= paletteAt - 1) return false;
      uint8_t value = byte(at++);
      size_t count = 1;
      if (value >= 0xC0) {
        count = value & 0x3F;
        if (at >= paletteAt - 1) return false;
        value = byte(at++);
      }
      if (row + count > static_cast<size_t>(out.width)) return false;  // runs never cross a row
      out.pixels.insert(out.pixels.end(), count, value);
      row += count;
    }
  }
  if (at != paletteAt - 1) return false;
  for (size_t i = 0; i < 256; ++i) out.palette[i] = {byte(paletteAt + 3 * i), byte(paletteAt + 3 * i + 1), byte(paletteAt + 3 * i + 2)};
  return true;
}
