#pragma once

struct DrawBlock;

// Recolours what is already under the polygon through the block's bitmap, whose first 256
// pixel bytes are a colour table and whose flags' low 16 bits are a key k. With k = 0 every
// covered pixel c becomes table [c]; otherwise only the covered pixels of colour (k & 0xFF)
// change, to pixel byte k of the bitmap. Nothing is drawn for a bitmap of fewer than 256
// pixel bytes, or whose key is at or past its pixel count.
void FillPolygonRemap(const DrawBlock& block);
