#pragma once

struct DrawBlock;

// Draws a wall (face type 3) column by column: vertical left and right sides, u (the
// bitmap row) perspective-corrected across the columns by their heights, v spread down
// each column. Columns are clipped to the clip rectangle, rows at its top and bottom, so a
// wall that crosses the view's edge arrives without a screen clip. Any other polygon is
// drawn opaque by the column-polygon walk.
void DrawWallColumns(const DrawBlock& block);
// As DrawWallColumns for face type 4: texel 0 leaves the pixel as it was.
void DrawWallColumnsKeyed(const DrawBlock& block);
