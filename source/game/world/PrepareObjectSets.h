#pragma once
#include <cstdint>

// Readies the loaded object sets for the frame draw: the remap-table block from bitmap 51
// of the world's bitmap group, each body's far-cell substitute from the tile catalogue
// (trees are left out of far cells, offices and towers draw their far bodies, every other
// body draws itself), and the world's face routines bound.
void PrepareObjectSets();

constexpr uint32_t kRemapTableBitmap = 51;
