#pragma once
#include "game/world/CityArrays.h"

// A whole 128 x 128 city for the map tests: a sea along the east, a river across it,
// a grid of streets with bridges, a railway with a slope and a bridge, a highway, and
// blocks holding every kind of building and site the tile catalogue knows.
void MakeSampleCity(CityArrays& city);
