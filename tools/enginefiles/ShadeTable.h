#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "pel3d/draw/ViewDistance.h"
#include "platform/StaticColours.h"

// The fog colour tables of the engine's bitmap group: 32 rows of 256 palette indices, row L
// holding for each colour c the palette's nearest entry to c moved L/32 of the way to the
// fog colour. Row 0 is the identity. The day table also serves as the translucency table.

constexpr uint8_t kDayFogColour = kDaySkyColour;
constexpr uint8_t kNightFogColour = kNightSkyColour;
constexpr uint32_t kShadeTableRows = 32;
constexpr uint32_t kShadeTableWidth = 256;

using ShadePalette = std::array<platform::Rgb, 256>;

// The table toward the palette's fog colour, row after row; nearest by squared RGB
// distance, the lowest index on ties.
std::vector<uint8_t> MakeShadeTable(const ShadePalette& palette, uint8_t fogColour);
