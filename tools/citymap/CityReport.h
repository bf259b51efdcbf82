#pragma once
#include <string>

#include "game/world/CityArrays.h"

// What city-map prints of a city: its name, MISC format, view position and neighbours, how
// many tiles of each kind it has, and its labels.
std::string DescribeCity(const CityArrays& city);
