#pragma once
#include <cstdint>

#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/draw/ScreenClip.h"

// Screen-clips a polygon, unless it is a wall (four corners in two vertical pairs, within
// reach of the view) bound for one of the wall routines: those clip its columns and rows
// themselves and draw it from its own corners, so it is only dropped when it lies wholly
// outside one edge. Returns the polygon's vertex count as ClipToScreen does.
int32_t ClipToScreenUnlessWall(ScreenVertex*& first, int32_t count, RasterId routine, ScreenClipMode mode,
                               VertexOutput& out);
