#pragma once
#include <cstdint>

#include "platform/DisplayDevice.h"

// The screen's system palette: the twenty static colours at 0-9 and 246-255 and, between
// them, the colours last realised or shown through the primary surface.
namespace platform {

// Copies count entries from start; false (nothing copied) when the range passes 255.
bool GetSystemPaletteEntries(uint32_t start, uint32_t count, PaletteEntry* entries);
// Takes entries 10 to 245 of a 256-entry palette into the system palette; the static
// colours stay. An explicit entry keeps the colour it stands for.
void RealizeSystemPalette(const PaletteEntry* entries);
// Back to the static colours and black between them, as at start.
void ResetSystemPalette();

}  // namespace platform
