#pragma once
#include "citygen/CityRecipe.h"

struct CityArrays;

// Makes the whole city of the recipe in the arrays, starting from a blank city: the ground,
// the networks, the buildings, the zones, the district names and the maps drawn from them.
// The same recipe always gives the same arrays.
void GenerateCity(const CityRecipe& recipe, CityArrays& city);
