#pragma once

struct DrawBlock;

// The fills of the far band: each pixel's colour passes through the shade table's row of
// the pixel's fog level. Nothing is drawn while the shade table is unset or short.

// Fills the polygon with the low byte of the block's word, fogged.
void FillPolygonFlatFog(const DrawBlock& block);
// Fills the polygon with the block's bitmap as DrawTexturedPolygon does, fogged; texel 0
// is fogged and drawn like any other.
void DrawTexturedPolygonFog(const DrawBlock& block);
