#pragma once

struct DrawBlock;

// Fills with the block's tile repeated without limit, u and v perspective-correct on every
// row of each edge and at the ends of sub-spans of 16 or 32 pixels, stepped linearly in
// between. Every texel is written, 0 too; nothing is drawn without a usable tile record.

void FillPolygonTiledPerspective16(const DrawBlock& block);
void FillPolygonTiledPerspective32(const DrawBlock& block);
