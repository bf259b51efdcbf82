#pragma once

// The engine's one-time start-up: the default 320 x 200 surface (pitch 0, so the row
// offsets stay zero until the game sets a real surface), the pixel aspect of five sixths,
// no resource file open, drawing cleared on, clear colour 0, no far clipping and the
// default draw mode, the body-queue draw selected, the engine's rasterisers bound and the
// line phase at 0.
void InitEngine();
