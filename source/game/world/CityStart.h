#pragma once
#include <string>

struct CityArrays;

// The city being played, read by CityStart; null before.
extern CityArrays* gCityArrays;
// Set when CityStart could not read its city and fell back to "pengland.mv2"; the flight
// entry reads it to tell the player.
extern bool gCityFellBack;

// Starts a city: a new CityArena (the previous one destroyed), the city arrays read from the
// file at the path (the game's form), then the cell map, the terrain and the sites built in
// the arena. A city that cannot be read is replaced by "pengland.mv2" of the cities folder,
// setting gCityFellBack; false when that fails too, or when the cell map cannot be built.
bool CityStart(const std::string& path);
// Forgets the city being played and destroys CityArena with everything built in it.
void CityStop();
