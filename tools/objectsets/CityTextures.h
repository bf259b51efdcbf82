#pragma once
#include <cstdint>

#include "objectsets/Canvas.h"

// The city's textures besides the facades; each is stored as its face type reads it.

// A house front (door, two windows) stored column by column, as the wall rasteriser reads it.
Canvas PaintHouseFront();
// The colour the house front's walls are painted in.
uint8_t HouseFrontColour();
// Tree kind 0-2 (round, conifer, poplar) on clear texels.
Canvas PaintTree(uint32_t kind);
// Four shop signs stacked, 64 x 64: sign k is rows 16k to 16k + 15.
Canvas PaintSigns();
// The background colour of sign k, its main colour.
uint8_t SignColour(uint32_t sign);
// The helipad's "H" on its dark square.
Canvas PaintHelipadH();
// The fire station's board over its doors.
Canvas PaintFireBoard();
// A wire fence on posts, stored column by column, texel 0 clear.
Canvas PaintFence();
