#pragma once
#include <vector>

struct CityArrays;

// A city tile; -1, -1 for none.
struct TileSite {
  int x = -1;
  int y = -1;
  bool operator==(const TileSite&) const = default;
};

// The places the city start finds, scanning x-major: where the player starts, the pad of
// the model-2 helicopter and the helipads.
struct CitySites {
  TileSite start;  // the first hangar apron, else the first helipad, else (64, 64)
  TileSite airBasePad;  // the first 119 tile, or none
  std::vector<TileSite> helipads;
};

extern CitySites gCitySites;

CitySites FindCitySites(const CityArrays& city);
// The first helipad whose cell holds no helicopter, else the start site.
TileSite FindFreeHelipad();
