#pragma once
#include <cstdint>
#include <vector>

#include "pel3d/math/FixedPoint.h"

struct cell_info;

// Which cells of the terrain grid, as centred, the engine's camera sees this frame, and in
// which order the painter draws them.

// How far a cell's column reaches beyond its ground square, its top and the view distance,
// so that a body standing over the cell's edge is not cut away with it.
constexpr Fixedpoint kCellViewMargin = 46 * kFixedOne;

// A grid cell in view: where it lies in the grid and on the map, and its record.
struct VisibleCell {
  int32_t row = 0;  // of the grid, north to south
  int32_t column = 0;  // of the grid, west to east
  int32_t cellX = 0;  // of the map, 0-255
  int32_t cellY = 0;
  Fixedpoint centreX = 0;  // world position as the grid shows it
  Fixedpoint centreZ = 0;
  int64_t distance = 0;  // squared horizontal distance from the camera, in 1/4096 units
  cell_info* record = nullptr;  // null where the map has no record
};

// The grid cells whose column, from the lowest of the ground to the top of its record's
// bodies, widened by kCellViewMargin, meets the view frustum within the view distance + the
// margin (no depth limit while the far clip is 0). Far to near by the centre's horizontal
// distance, ties by column then row; at most cells^2 / 2 of them, the farthest dropped.
// Nothing before the grid is laid out.
void FindVisibleCells(std::vector<VisibleCell>& cells);

// The squared horizontal distance, as VisibleCell::distance, of a length in 16.16.
int64_t SquaredDistance(Fixedpoint dx, Fixedpoint dz);
