#pragma once
#include <cstdint>

#include "pel3d/math/View.h"

// The world's one-time start, on the loading thread: the tuning, the engine and its view,
// the engine's data, the texture colour table and the vertex pool, the terrain grid and
// view distance, the object sets, the dynamic-object arena; then the first WorldReset.
// Failures show the program-error box and the start carries on. Returns WorldReset's result.
int32_t WorldInit();

// The render surface the world starts the engine with, until the display helpers set another.
RenderSurface WorldRenderSurface();
