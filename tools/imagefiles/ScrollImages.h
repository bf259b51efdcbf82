#pragma once
#include "imagefiles/ControlImages.h"

// The scroll bar's strip: twelve cells of 16 x 16 side by side: left arrow, pressed,
// thumb, track tile, right arrow, pressed, then up arrow, pressed, thumb, track tile,
// down arrow, pressed.
ControlImage ScrollStripImage();
// A slider's thumb: 10 x 20 across, 20 x 10 upright.
ControlImage SliderThumbImage(bool vertical);
// A slider's track: an opaque panel with a sunken slot along its middle, 192 x 32 across,
// 32 x 192 upright. Opaque, so a redrawn track covers the thumb's old place.
ControlImage SliderTrackImage(bool vertical);
