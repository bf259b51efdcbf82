#pragma once

// The layout every generated city shares. Streets run along every eighth column and row
// from 4; the water, the railway and the highway keep clear of them, so each crossing is a
// straight piece over a straight piece.
namespace skeleton {

constexpr int kStreetFirst = 4;
constexpr int kStreetStep = 8;
constexpr int kStreetLast = 124;

// The river flows south from the map's north edge into the head of the inlet.
constexpr int kRiverX = 40;
constexpr int kInletTop = 84;

// One low hill with a higher crown, both flat on top and ringed by slope tiles.
constexpr int kHillWest = 14, kHillEast = 34, kHillNorth = 62, kHillSouth = 98;
constexpr int kCrownWest = 22, kCrownEast = 26, kCrownNorth = 70, kCrownSouth = 90;

// The highway: a junction of four arms at tile (2 kJunctionBlockX, 2 kJunctionBlockY),
// each arm climbing to the upper deck and down again, then turning to its ramps.
constexpr int kJunctionBlockX = 12;
constexpr int kJunctionBlockY = 14;
// A short overpass: two ramps at each end of a climb and a descent.
constexpr int kOverpassX = 94;   // its first block's x (even)
constexpr int kOverpassY = 114;  // its row of blocks (even)

// Railway loop around the highway and the branch from it across the river.
constexpr int kLoopWest = 13;
constexpr int kLoopEast = 35;
constexpr int kLoopSouth = 49;
constexpr int kBranchRow = 46;
// The eastern loop across the inlet, its middle track, the line through it and the spur.
constexpr int kEastLoopWest = 54;
constexpr int kEastLoopMiddle = 70;
constexpr int kEastLoopEast = 86;
constexpr int kEastLoopTop = 30;
constexpr int kEastLoopBottom = 102;
constexpr int kSpurX = 78;
constexpr int kSpurEnd = 106;

}  // namespace skeleton
