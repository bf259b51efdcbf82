#pragma once

struct DrawBlock;

// Draws a convex, screen-clipped polygon column by column (face types 7 and 8): u, the
// bitmap row, runs across the columns and v down each column. Opaque, or transparent with
// face flag 0x10.
void DrawColumnPolygon(const DrawBlock& block);

// The same walk, opaque or with texel 0 transparent whatever the face's flags: the wall
// routines draw the faces that are not walls this way.
void DrawColumnPolygonOpaque(const DrawBlock& block);
void DrawColumnPolygonKeyed(const DrawBlock& block);
