#pragma once
#include <cstdint>

// Starts a game on the city: the city built from its file (WorldCityPath: the chosen city,
// else the default city "pengland.mv2" of the cities folder), then the world lit by day or
// night as the night flag says. restart is 1 when a previous game's world is replaced, 0 on
// the first start. 1, or 0 when no city could be started.
int32_t WorldReset(int32_t restart);
