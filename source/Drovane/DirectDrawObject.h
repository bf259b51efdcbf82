#pragma once
#include <cstdint>

#include "platform/DisplayDevice.h"

// The one display object of the process; null while the display is disabled.
extern platform::DisplayDevice* lpDD;
// The driver's capabilities, read when the object is made.
extern platform::DisplayCaps gDDCaps;
// The palette of the screen's front surface; null while the screen has none. The screen
// buffer makes and releases it; the palette classes change it in place.
extern platform::DisplayPalette* lpPalette;

// Makes the display object when there is none and reads its capabilities. 0, or the code of
// the call that failed (lpDD is then null).
uint32_t DDEnable();
// Releases the display object; nothing when there is none.
void DDDisable();
