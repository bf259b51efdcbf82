#pragma once
#include <cstdint>

#include "enginefiles/BodyWriter.h"

// The city's bodies that are not buildings or decks: trees, rubble, paved lots, pads, the
// hangar apron and the plaza.

// Trees of a tree id (6-12): one to three see-through sprites.
BodyDescription TreeBody(uint32_t bodyId, uint32_t tileId);
// A Gouraud-shaded heap of rubble over size x size tiles.
BodyDescription RubbleBody(uint32_t bodyId, int32_t size);
// The paving under a building of size x size tiles, drawn unsorted.
BodyDescription LotBody(uint32_t bodyId, int32_t size);
// A helipad or the air-base pad: a slab with an "H" on top and lights at its corners.
BodyDescription PadBody(uint32_t bodyId);
// The hangar apron: markings flat on the ground, so the helicopter and the player start on it.
BodyDescription ApronBody(uint32_t bodyId);
// The plaza: paving and a fountain.
BodyDescription PlazaBody(uint32_t bodyId, uint32_t tileId);
