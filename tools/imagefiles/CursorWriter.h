#pragma once
#include <cstdint>
#include <vector>

// A ".cur" file of one 1-bit pointer image of 1 to 64 pixels a side. The masks are rows
// top-down, each row padded to whole bytes: AND 1 is transparent, XOR 1 white (or
// inverted where AND is 1).
std::vector<uint8_t> WriteCursorFile(int32_t width, int32_t height, int32_t hotX, int32_t hotY,
                                     const std::vector<uint8_t>& xorMask, const std::vector<uint8_t>& andMask);
