#pragma once
#include <cstdint>

#include "platform/DisplayDevice.h"

// The pixel value a colour 0x00RRGGBB becomes when drawn through the surface's device
// context, found by drawing it at (0, 0) and reading that one pixel back; the pixel is then
// restored. -1 when the surface cannot be locked or drawn on, or has no pixel.
int32_t MatchSurfaceColor(platform::DisplaySurface* surface, uint32_t rgb);
