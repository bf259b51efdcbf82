#pragma once
#include <cstdint>

struct CityPlan;

// Lays the railway, the highway and the streets with their bridges, joins the highway's
// ramps to the streets and prunes every street that leads nowhere, leaving one dead end.
void LayNetworks(CityPlan& plan);

// The tile id of a piece of the networks, by its links and the ground under it; 0 where no
// network runs. Counters pick among the pieces that look alike.
struct PieceCounters {
  int bridge = 0;
  int railBridge = 0;
  int straight = 0;
  int railStraight = 0;
};
uint32_t NetworkTileId(const CityPlan& plan, int x, int y, PieceCounters& counters);
