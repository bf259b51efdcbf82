#pragma once
#include <memory>
#include <string>
#include <vector>

#include "game/world/CityArrays.h"

// Small hand-made cities for the traffic tests, fuzz seeds and benchmarks: rows of tile
// codes become the 128 x 128 city arrays. Each row is one line of tiles from west to east,
// one code per tile, separated by spaces:
//   "."      nothing
//   "43"     the tile id (XBLD byte): a road piece, a building, ...
//   "f81"    the id with the flipped bit (BitsMap bit 2, tile id + 0x8000)
//   "w", "w81", "fw81"  water under the tile (water field 1), with or without a piece
//   "31^1"   the terrain (XTER) value after the id: 1-4 are the slopes
// The first code of the first row lands on tile (x0, y0); rows run south.
void PlaceTileRows(CityArrays& city, const std::vector<std::string>& rows, int x0 = 0, int y0 = 0);

// A blank city with the rows placed.
std::unique_ptr<CityArrays> MakeTileRowCity(const std::vector<std::string>& rows, int x0 = 0, int y0 = 0);
