#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The started city's cell map as a picture: each of the 256 x 256 cells a square of 2 x 2
// pixels in the data set's palette, x to the right and y downward, coloured by terrain kind
// and shaded by height; records larger than a cell are outlined, and the sites marked.
constexpr int kCellMapCellPixels = 2;
constexpr int kCellMapPixels = 256 * kCellMapCellPixels;

// kCellMapPixels rows of kCellMapPixels palette indices; blank before any city start.
std::vector<uint8_t> DrawCellMap();
// What city-map --cells prints: records per size, null entries, bodies missing, the sites.
std::string DescribeCellMap();
