#pragma once
#include <cstdint>
#include <vector>

// Remap tables of 256 palette indices, entry c the colour that replaces colour c. The
// lightening table takes every colour n shades lighter within its colour ramp, the ramp's
// last shade at most, so colours of one shade ramps stay as they are.

constexpr uint32_t kRemapTableBitmap = 51;  // the remap-table block of the engine's bitmap group
constexpr uint32_t kRemapTableWidth = 256;
constexpr uint32_t kRemapBlockRows = 4;  // tables 1 to 4 shades lighter

std::vector<uint8_t> MakeLighteningTable(uint32_t shades);
// The pixels of the remap-table bitmap: four rows, row r the table (r + 1) shades lighter,
// so a remap line of word 0 shimmers as its phase turns.
std::vector<uint8_t> MakeRemapBlock();
