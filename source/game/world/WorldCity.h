#pragma once
#include <string>

// The city the next WorldReset starts: a path in the game's form, or the default city
// "pengland.mv2" of the cities folder while none is chosen. The tools choose theirs here.
void SetWorldCity(const std::string& path);
std::string WorldCityPath();
