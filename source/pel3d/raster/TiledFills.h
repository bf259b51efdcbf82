#pragma once

struct DrawBlock;

// Fills with the block's tile repeated without limit: u and v interpolated linearly in
// screen space and folded into the tile at every pixel. Every texel is written, 0 too.
// Nothing is drawn for a block without a usable tile record.

void FillPolygonTiled(const DrawBlock& block);
// As FillPolygonTiled, each texel through the shade-table row of the pixel's fog level.
void FillPolygonTiledFog(const DrawBlock& block);
