#pragma once

struct CityPlan;

// Lays the ground: the sea along the east edge behind its beach, the inlet and the river,
// water deepening from the shore, and the hills (flat tops ringed by slope tiles).
void LayTerrain(CityPlan& plan);
