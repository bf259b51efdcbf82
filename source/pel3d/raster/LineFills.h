#pragma once

struct DrawBlock;

// Two-vertex faces drawn as lines between whole-pixel end points (x and y >> 12). Each end
// point is held inside the view on its own (the line is not clipped, so a held end point
// changes the slope). Both end points are drawn. A block of any other vertex count draws
// nothing.

// A one-pixel line in the low byte of the block's word.
void DrawSolidLine(const DrawBlock& block);
// A line four pixels wide that replaces each pixel under it, and the three to its right,
// by that pixel's colour in a remap table: table (word + phase) of the remap-table block,
// the phase counting 1, 2, 3, 0 from line to line. With no such table the phase still
// moves on and nothing is drawn.
void DrawRemapLine(const DrawBlock& block);
// Sets the line phase to 0, as at start-up.
void ResetLinePhase();
