#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

struct ResourceGroup;

// What the view distance sets: how far the view reaches, where fog and flat faces begin,
// the fog colour tables and the sky colour, all read by the frame draw and the fogged and
// translucent rasterisers.

// Bitmaps of the world's bitmap group that hold tables of 256-byte rows.
constexpr uint32_t kDayShadeBitmap = 1;  // also the translucency table, by day and by night
constexpr uint32_t kNightShadeBitmap = 41;
// The sky: the colour the view is cleared to.
constexpr uint8_t kDaySkyColour = 58;
constexpr uint8_t kNightSkyColour = 49;

// How the view distance is drawn: from which bitmaps, by day or night, and whether the fog
// is switched off (nothing is fogged then).
struct ViewDistanceLook {
  const ResourceGroup* bitmaps = nullptr;
  bool night = false;
  bool fogOff = false;
};

// The depths that follow from a view distance d: fog from 0.85 d (from d with the fog off),
// flat faces from 0.70 d but never nearer than 600.0, and the fog's range, d + 1.0 - fog.
struct ViewThresholds {
  Fixedpoint fog = 0;
  Fixedpoint flat = 0;
  Fixedpoint fogRange = 0;
};
ViewThresholds ThresholdsOfViewDistance(Fixedpoint distance, bool fogOff);

// Sets the far clip to the distance, the thresholds above, the day or night shade table and
// the day translucency table (none when a bitmap is missing or not rows of 256 bytes), and
// the clear colour: the sky in all four bytes, or 0 with the no-ground option on.
void SetViewDistance(Fixedpoint distance, const ViewDistanceLook& look);
// The distance and look the view distance was last set with.
Fixedpoint GetViewDistance();
const ViewDistanceLook& GetViewDistanceLook();
