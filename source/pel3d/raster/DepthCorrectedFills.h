#pragma once

struct DrawBlock;

// Fills of the block's bitmap with texture coordinates correct in perspective on every row
// of each edge and at the ends of sub-spans of 16 or 32 pixels, stepped linearly in
// between. None shades or fogs a texel.

// Sub-spans of 16 pixels; u addresses the columns, v the rows. Every texel is written.
void FillPolygonPerspective16(const DrawBlock& block);
// As FillPolygonPerspective16 with sub-spans of 32 pixels.
void FillPolygonPerspective32(const DrawBlock& block);
// Sub-spans of 16 pixels with the axes exchanged: u addresses the rows, v the columns.
void FillPolygonPerspectiveBody(const DrawBlock& block);
// As FillPolygonPerspectiveBody; texels of 0 leave their pixels as they were.
void FillPolygonPerspectiveBodyTransparent(const DrawBlock& block);
