#pragma once
#include <cstdint>
#include <vector>

#include "Drovane/GameRandom.h"

struct CityPlan;

// A building placed on the plan: its id on all size x size tiles from (x, y).
struct PlacedBuilding {
  int x, y;
  int size;
  uint8_t id;
  uint8_t zone;  // XZON: 1 homes, 2 shops and offices, 3 industry, 4 services and parks
};

// The districts of the city around its centre, and the stations and sites every city has.
// Buildings stand on level dry land beside a road, parks of trees fill what is left.
std::vector<PlacedBuilding> PlaceBuildings(CityPlan& plan, GameRandomSource& random);

// The district names, nearest the centre first.
constexpr int kDistrictCount = 4;
extern const char* const kDistrictNames[kDistrictCount];
// The district of a tile: 0 downtown .. 3 outskirts.
int DistrictOf(const CityPlan& plan, int x, int y);
