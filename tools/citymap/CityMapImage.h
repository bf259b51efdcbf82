#pragma once
#include <cstdint>
#include <vector>

#include "game/world/CityArrays.h"

// A city's tile map as a picture: each tile a square of 4 x 4 pixels in the data set's
// palette, x to the right and y downward, coloured by what stands on it.
constexpr int kCityMapTilePixels = 4;
constexpr int kCityMapPixels = kCitySize * kCityMapTilePixels;

// The palette index a tile is drawn in.
uint8_t CityTileColour(const CityArrays& city, int x, int y);
// kCityMapPixels rows of kCityMapPixels palette indices.
std::vector<uint8_t> DrawCityMap(const CityArrays& city);
