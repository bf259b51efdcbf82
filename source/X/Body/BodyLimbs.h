#pragma once
#include <cstdint>

// The widest limb.
constexpr int32_t kLargestLimbWidth = 25;

// A limb of width w from (x1, y1) to (x2, y2), shaded across its width: at every step of a
// walk over the major axis (the last point left out) a run of w pixels across the line, w / 2
// to the left of a steep line or above a flat one. Width 0 or above 25, or an end off the frame
// or within w - 1 pixels of its right or bottom edge, draws nothing; pixels of a run that fall
// off the frame are left out.
void DrawLine(int32_t x1, int32_t y1, int32_t depth1, int32_t x2, int32_t y2, int32_t depth2, uint8_t colour,
              int32_t width);

// The same, narrowing by one pixel on each side every s steps, s = (length + 1) / (n + 1)
// (a narrowing n of 0 counts as 1). The full width is w, plus 1 when w equals n.
void DrawTaperedLine(int32_t x1, int32_t y1, int32_t depth1, int32_t x2, int32_t y2, int32_t depth2,
                     int32_t narrowing, uint8_t colour, int32_t width);
