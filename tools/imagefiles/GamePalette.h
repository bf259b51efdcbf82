#pragma once
#include <array>
#include <cstdint>

#include "platform/StaticColours.h"

using GamePaletteColours = std::array<platform::Rgb, 256>;

// The data set's one palette. 0-9 and 246-255 are the system's static colours; 10-245
// follow the engine's colour ramps, each ramp one hue from dark to light: 10-15 water,
// 16-31 cream (21 is the light box under dark text), 32-47 near-black (hair), 48-63 grey
// with a faint blue cast (49 the night sky, 58 the day sky), 64-79 yellow, 80-95 blue,
// 96-111 red, 112-127 brown, 128-143 orange, 144-159 green, 160-175 purple, 176-191 teal,
// 192-207 sand, 208-223 foliage, 224-233 skin, 234-245 lamp light. Hues may change; the
// layout never does.
const GamePaletteColours& GamePalette();
