#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The first image of a cursor file: two 1-bit masks, rows top-down, each row padded to
// whole bytes, and the hot spot.
struct CursorImage {
  int32_t width = 0;
  int32_t height = 0;
  int32_t hotX = 0;
  int32_t hotY = 0;
  std::vector<uint8_t> xorMask;
  std::vector<uint8_t> andMask;
};

constexpr int32_t kMaxCursorSide = 64;

// Reads the first image of a ".cur" file: a 1-bit image of 1 to 64 pixels a side with its
// hot spot inside it. On failure badField names what is wrong.
bool ReadCursorFile(const uint8_t* data, size_t size, CursorImage& image, std::string& badField);
