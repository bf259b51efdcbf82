#pragma once

struct DrawBlock;

// Draws a sprite: the block's bitmap scaled, upright, into the rectangle its two screen
// vertices give (centre, then half-size; the texture coordinates of the left-top and
// right-bottom corners), clipped to the clip rectangle. Opaque, transparent with face
// flag 0x10, translucent with face flag 0x1 (tested first). A block of other than two
// vertices draws nothing.
void DrawSprite(const DrawBlock& block);
// Draws the sprite transparent, every texel through the shade-table row of the fog level
// at the centre's depth. Nothing without a shade table.
void DrawSpriteFog(const DrawBlock& block);
