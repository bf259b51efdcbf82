#pragma once
#include <cstdint>

// Directions on the tile map: 0 north (y-1), 1 east (x+1), 2 south (y+1), 3 west (x-1),
// with the bits 1, 2, 4, 8. Turn codes: 0 straight on, 1 right, 2 left, 3 back.
constexpr int kTileStepX[4] = {0, 1, 0, -1};
constexpr int kTileStepY[4] = {-1, 0, 1, 0};

constexpr uint32_t DirectionBit(int direction) { return 1u << direction; }
constexpr int ReverseDirection(int direction) { return (direction + 2) & 3; }
// The direction of a single direction bit; -1 for anything else.
int DirectionOfBit(uint32_t bit);

// The new direction after taking the turn while heading in the direction.
int TurnToDirection(int turn, int direction);
// The turn that leads from the direction of travel to the wanted direction.
int TurnNeeded(int direction, int wanted);
