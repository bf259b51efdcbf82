#pragma once
#include "game/world/ViewerCell.h"

// The terrain grid placed over the world around the viewer. Grid cell (row, column) is
// the world cell (first.x + column, first.y + row), both taken modulo 256 on the map; the
// grid's corners lie on the corners of those cells and carry the terrain's heights.

// Re-centres the grid on ViewerCell when the cell or the grid's size changed since the
// last centring, or the grid was laid out again or the terrain rebuilt since: the origin on
// the viewer cell's north-west corner, so the viewer cell is grid cell (n div 2, n div 2),
// and the corners' heights from the terrain. True when it re-centred; false, changing
// nothing, when it did not need to or the grid is not laid out.
bool CenterViewGrid();
// Gives every grid corner its height from the terrain map (0 without a city), for a grid
// whose first cell is the world cell given.
void BuildGridVerts(const MapCell& first);
// The world cell of grid cell (0, 0) as last centred, before the wrap: x and y may lie
// below 0 or beyond 255 near the map's edges.
MapCell ViewGridFirstCell();
// Makes the next CenterViewGrid re-centre: the terrain under the grid has changed.
void InvalidateViewGrid();
