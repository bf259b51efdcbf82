#pragma once
#include <cstdint>

#include "pel3d/math/Vec3.h"

struct cell_info;

// This frame's view lists: which dynamic objects are drawn with which visible cell. A cell is
// visible this frame when its record's visible count (drawCountdown) is above 0, as the
// per-frame view counts it while listing the cells.

// Empties the view list of every listed cell and clears its visited mark.
void ClearViewLists(cell_info* const* cells, int32_t count);
// The spreading pass: each dynamic object of a listed cell goes on the view list of the first
// visible cell that a corner of its square reaches (north-west, north-east, south-west,
// south-east), marked as listed; an object overlapping several visible cells is drawn once.
// Given the viewer, the object goes with the visible corner cell whose centre lies nearest
// to it (ties in the corners' order), so it is painted over the ground of all of them.
void SpreadViewLists(cell_info* const* cells, int32_t count, const Vec3* viewer = nullptr);
