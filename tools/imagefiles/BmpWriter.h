#pragma once
#include <cstdint>
#include <vector>

#include "platform/StaticColours.h"

// How an 8-bit Windows bitmap file is laid out.
struct BmpOptions {
  bool topDown = false;
  // 40, or a larger information header (such as 124) whose extra bytes are zero.
  uint32_t headerSize = 40;
};

// An 8-bit uncompressed bitmap file of the pixels (rows top-down, width bytes each) with
// the colours as its colour table (1 to 256 of them; a full table's count is written as 0).
std::vector<uint8_t> WriteBmp(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                              const std::vector<platform::Rgb>& colours, const BmpOptions& options = {});
