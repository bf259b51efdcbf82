#pragma once
#include <cstdint>

struct CityArrays;

// Fills every entry of OMAP from the city: a record per building or single tile, shared by
// the building's cells, with its static objects; records of size 16 for the made-up land
// around the city. Records and nodes come from the arena. False when the arena refuses a
// record or an entry stays empty; a box then says so, once.
bool BuildOMAP(const CityArrays& city, int arena);

// What the last build made: how many records of each size (1-4, 16) and which bodies it
// could not find.
struct OmapCounts {
  int32_t records[17] = {};
  int32_t nodes = 0;
  int32_t missingBodies = 0;  // distinct ids
  int32_t nullEntries = 0;
};
extern OmapCounts gOmapCounts;
