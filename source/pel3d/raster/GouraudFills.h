#pragma once

struct DrawBlock;

// Vertex-shaded fills: each vertex's u is a 16.16 palette index, interpolated along the
// edges and across every span; a two-pixel dither (one half taken off every even pixel of
// a span, counted from its left end) turns the fraction into alternating neighbouring
// entries. The low eight bits of the dithered index are the pixel's palette entry.

// Writes the dithered index itself.
void FillPolygonGouraud(const DrawBlock& block);
// Writes the dithered index through the shade table's row of the pixel's fog level;
// nothing while the shade table is unset or short.
void FillPolygonGouraudFog(const DrawBlock& block);
