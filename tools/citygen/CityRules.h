#pragma once
#include <string>
#include <vector>

struct CityArrays;

// The rules every generated city keeps, checked on the arrays as a city file gives them.
// Each returns the faults it finds, one line each, naming the tile ("road exit east of
// (12, 40) meets nothing"); an empty list is a sound city.

// Ground: water at altitude 0 and deepening by steps of 1 from depth 1 at the shore;
// altitude changing between neighbours only by 1, across a slope tile on the lower side
// rising toward the higher.
std::vector<std::string> CheckGround(const CityArrays& city);
// Roads and rails: every exit meets an answering exit but for one dead end per network,
// each network in one piece; slopes on their slope tiles, bridges on water, highway pieces
// whole on their 2 x 2 blocks.
std::vector<std::string> CheckNetworks(const CityArrays& city);
// Buildings: each id on all s x s tiles of its size, on level dry land, beside a road;
// every station kind with road access; the hangar beside its apron.
std::vector<std::string> CheckBuildings(const CityArrays& city);
// What only the default city must hold: every road, highway and rail piece, water of each
// depth and open water, a station without access and one at the edge, a building of each
// criminal target kind, a plaza, the air-base pad and three helipads beside the apron.
std::vector<std::string> CheckShowcase(const CityArrays& city);

// Every check of a city; the showcase checks too when asked.
std::vector<std::string> CheckCity(const CityArrays& city, bool showcase);
