#pragma once

struct DrawBlock;

// Fills the polygon with the low byte of the block's word.
void FillPolygonFlat(const DrawBlock& block);
// Fills the polygon with the first pixel of the block's bitmap; nothing without one.
void FillPolygonFirstPixel(const DrawBlock& block);
// Copies the block's bitmap, read as 64 rows of 64 bytes, into the polygon: each span
// starts at the pattern's column 0 and the polygon's first drawn row at its row 0.
// Nothing for a bitmap of fewer than 64 x 64 pixel bytes.
void FillPolygonPattern(const DrawBlock& block);
