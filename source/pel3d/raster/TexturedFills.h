#pragma once

struct DrawBlock;

// Fills the polygon with the texels of the block's bitmap, u and v interpolated linearly
// in screen space; every texel is written, 0 as palette index 0.
void DrawTexturedPolygon(const DrawBlock& block);
// As DrawTexturedPolygon; a face with the transparent flag leaves the pixels of texel 0
// as they were.
void DrawTexturedPolygonKeyed(const DrawBlock& block);
