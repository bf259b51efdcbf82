#pragma once
#include <cstdint>
#include <optional>

#include "pel3d/bodies/ScreenVertex.h"

// Walls may reach this far outside the clip rectangle and still be drawn column by column
// without a screen clip: 16.16 screen coordinates of such a wall keep within 32 bits.
constexpr int32_t kWallReachOutside = 8192 << 12;

// A wall's corners in drawing order: the upper and lower of its left pair, which share one
// x, and the upper and lower of its right pair, which share another.
struct WallCorners {
  const ScreenVertex* topLeft;
  const ScreenVertex* topRight;
  const ScreenVertex* bottomRight;
  const ScreenVertex* bottomLeft;
};

// The polygon's corners when it is a wall: four screen vertices, a left pair and a right
// pair each sharing one x, none farther outside the clip rectangle than kWallReachOutside.
// A near clip may have rotated the order; the corners are found wherever they stand.
std::optional<WallCorners> FindWallCorners(const ScreenVertex* vertices, int32_t count);
