#pragma once
#include <cstdint>

#include "pel3d/draw/ViewDistance.h"
#include "pel3d/math/FixedPoint.h"

// The view depth n: the terrain grid's cells on a side around the viewer (13 to 61), and
// with it the view distance (n div 2) x 64.0.
constexpr int32_t kDefaultViewDepth = 61;

// The view depth: how many cells on a side are drawn around the viewer.
int32_t ViewRadius();
// The view distance of a depth: (n div 2) x 64.0.
Fixedpoint ViewDistanceOfDepth(int32_t depth);
// Sets the depth (held to 13..61), lays the grid out for it and sets its view distance, by
// day or night as last set; the next CenterViewGrid re-centres the grid. The terrain start
// calls it with the current depth. False, with a debug line, when the grid's memory cannot
// be had.
bool SetViewDepth(int32_t depth);
// How the world draws its view distance: from its bitmap group, with the fog-off switch.
ViewDistanceLook WorldViewLook(bool night);
