#pragma once
#include <cstdint>
#include <span>

// Where the people's figures are drawn: the 3D view's 8-bit frame, set before each person by
// the people's draw (or by a test). Nothing is written outside 0..largestX, 0..largestY.
struct BodyRasterTarget {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  int32_t largestX = -1;
  int32_t largestY = -1;
  // The view drawn at full resolution: dots are plotted as 2 by 2 pixels.
  bool doublePixel = false;
};

extern BodyRasterTarget gBodyRaster;

// Shades step this many palette indices across the full width of a shaded disc or limb.
constexpr float kShadeSpan = 5.7f;

// A dot: plotted only when 0 <= x < largestX and 0 <= y < largestY (the last column and row
// stay free for the double pixel's second one).
void MyPixel(int32_t x, int32_t y, uint8_t colour);

// A span from x1 to x2 inclusive on row y. A span with an end off the frame is dropped whole,
// not clipped. The first (x2 - x1 + 1) mod 4 pixels are written one by one, the rest four at a
// time.
void DrawHorzLine(int32_t x1, int32_t x2, int32_t y, uint8_t colour);

// The same span sampled from a pattern: pixel i is pattern[trunc(i * step)] + colourOffset. A
// span that would sample past the pattern's end is dropped like one off the frame.
void DrawHorzLinePat(int32_t x1, int32_t x2, int32_t y, std::span<const uint8_t> pattern, int32_t colourOffset,
                     float step);

// Writes one pixel when it lies on the frame; the limbs lay their runs through it.
void PutClippedPixel(int32_t x, int32_t y, uint8_t colour);
// Writes the colours of a run from x1 to x2 on row y, leaving out what lies off the frame.
void PutClippedRun(int32_t x1, int32_t x2, int32_t y, const uint8_t* colours);
