#pragma once
#include <cstdint>

struct ResourceGroup;

// The world's per-frame view: the cells of the terrain grid, as centred, that the engine's
// camera sees, handed to the engine far to near with their ground and their objects. Each
// call is complete in itself, so a frame may draw more than one view.

// Fills the engine's cell and ground lists and counts: each listed record (or its spare
// across the map's wrap) reset, then counted once per occurrence and marked far when its
// cell lies beyond the flat threshold (the nearest occurrence decides); each cell's two
// ground triangles with its ground tile from the bitmap group (terrain textures on) or its
// texture colour and that + 1 (off). Then spreads the dynamic objects over the visible
// cells and places the body of each one the engine will draw.
void ListVisibleCells(const ResourceGroup* groundBitmaps);

// ListVisibleCells, then GridViewSetup and DrawView.
void DrawVisibleCells(const ResourceGroup* groundBitmaps);
