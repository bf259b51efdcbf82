#include "citygen/CityRecipe.h"

#include <string>

CityRecipe PenglandRecipe() {
  CityRecipe recipe;
  recipe.name = "Pengland";
  recipe.seed = 1995;
  recipe.showcase = true;
  return recipe;
}

CityRecipe CareerRecipe(int index) {
  static const char* const kNames[] = {"Ashford",  "Brightwater", "Calder",   "Dunmore",   "Eastmere",  "Fallow Bay",
                                       "Glenholm", "Harrowgate",  "Ivybridge", "Jessop",   "Kingsreach", "Larkfield",
                                       "Marlow",   "Northcote",   "Oldcastle", "Pinewick", "Queensport", "Redhaven",
                                       "Saltmarsh", "Thornbury",  "Upwell",   "Valemouth", "Westerby",  "Yarrow",
                                       "Zennor",   "Ambleside",   "Burnham",  "Coldharbour", "Deepdale", "Elmstead",
                                       "Foxley"};
  static_assert(sizeof kNames / sizeof kNames[0] == kCareerCityCount);
  CityRecipe recipe;
  int row = index / 8, column = index % 8;
  recipe.name = kNames[index];
  recipe.seed = 7001u + 131u * static_cast<uint32_t>(index);
  // The first row is villages on a straight coast; each row is denser and its coast wilder.
  recipe.density = row == 0 ? 0 : row == 1 ? 1 : 2;
  recipe.coastWobble = row;
  recipe.coastX = 106 + (column % 4) * 2 + row;
  recipe.riverWidth = 3 + column % 3;
  recipe.inletWidth = 3 + (column + row) % 3;
  recipe.hills = column % 4 != 3;
  return recipe;
}
