#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// The palette is laid out as runs of shades of one hue; a face is lit by choosing the shade
// of its colour's ramp that matches its light level.
struct ColourRamp {
  int32_t start = 0;
  int32_t length = 0;
};

constexpr int32_t kColourRampCount = 36;

// The ramp that holds the colour; null for a colour outside 0 to 255.
const ColourRamp* FindColourRamp(int64_t colour);

// The shade of the ramp for a light level (16.16): its start at 0 (or below), its last
// colour at 1.0 or more, proportionally between.
int32_t ShadeForLight(const ColourRamp& ramp, Fixedpoint level);
