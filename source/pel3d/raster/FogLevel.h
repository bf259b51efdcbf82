#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// The fog level (16.16) selects a row of the shade table: 0 at the fog threshold, rising
// with depth across the fog range to just under 32 at the view distance. Every fogged
// routine takes its levels from here, so none reads past the table's 32 rows.

constexpr int32_t kShadeRows = 32;
constexpr int32_t kShadeRowBytes = 256;
constexpr int32_t kHighestFogLevel = kShadeRows * 65536 - 1;

// The level of a vertex at the depth: nearer than the fog threshold 0, beyond the view
// distance (faces that were not far-clipped) held at the last row.
int32_t VertexFogLevel(Fixedpoint depth);
// The change of level per row along an edge of the 16.16 height, truncated towards zero so
// the walk stays between the two levels.
int32_t FogLevelStep(int32_t from, int32_t to, int64_t height);

// The level at the left end of a span and its change per pixel.
struct SpanFog {
  int32_t level;
  int32_t step;
};
// The fog of a span of count pixels between the two chains' levels; a negative left level,
// or a level of 0 that would fall, is held at 0.
SpanFog SpanFogLevels(int32_t left, int32_t right, int32_t count);

// Writes a colour through the shade row of the current level, then steps the level.
struct FoggedWrite {
  const uint8_t* shade;
  SpanFog fog;

  void operator()(uint8_t& pixel, uint8_t colour) {
    pixel = shade[((fog.level >> 16) << 8) + colour];
    fog.level += fog.step;
  }
};

// The shade table of the draw settings, or null while it is unset or smaller than 32 rows
// of 256: the fogged routines then draw nothing.
const uint8_t* UsableShadeTable();
