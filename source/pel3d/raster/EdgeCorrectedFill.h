#pragma once

struct DrawBlock;

// Fills the polygon with the texels of the block's bitmap, unlit: u and v are
// perspective-correct along the two edge chains (one division per row and chain) and
// linear across each span. Every texel is written. Left x is not clamped: a row whose left
// end has slipped below column 0 is left out.
void DrawTexturedPolygonEdgeCorrected(const DrawBlock& block);
