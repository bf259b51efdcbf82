#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What makes one generated city differ from another: its name, the seed of its random
// choices, its coast and its density. Every city shares one skeleton (streets every eight
// tiles, a river from the north into an inlet of the sea, the highway and the railway in
// the west), so each recipe only moves what the skeleton leaves free.
struct CityRecipe {
  std::string name;
  uint32_t seed = 1;
  int coastX = 112;       // the sea from this column east (its straightest point)
  int coastWobble = 0;    // how far the shore strays from coastX row by row
  int riverWidth = 4;     // 3-5 tiles
  int inletWidth = 5;     // 3-5 tiles
  int density = 2;        // 0 village, 1 town, 2 city
  bool hills = true;
  bool showcase = false;  // every tile piece, every site, every kind of station
};

// The default city, the densest.
CityRecipe PenglandRecipe();
// The career's cities 0-30: coast and density change by row of eight.
CityRecipe CareerRecipe(int index);
constexpr int kCareerCityCount = 31;
