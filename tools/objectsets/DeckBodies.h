#pragma once
#include <cstdint>

#include "enginefiles/BodyWriter.h"
#include "game/world/CityTileBodies.h"

// The raised pieces: bridges and their ends, highway pieces and ramps, rail slopes and rail
// bridges. Each is a deck whose top (type 17) is the ground tile of its exits, with
// parapets and pillars; the top stands where the vehicles drive.

// The body of a raised tile id (not a ramp).
BodyDescription DeckBody(uint32_t bodyId, uint32_t tileId);
// A ramp's body rising from 0 to 31 toward the direction.
BodyDescription RampBody(uint32_t bodyId, uint32_t tileId, RampDirection rising);
// The height of a raised piece's top at its low and its high side, in whole units.
struct DeckHeights {
  double low;
  double high;
};
DeckHeights DeckTopHeights(uint32_t tileId);
