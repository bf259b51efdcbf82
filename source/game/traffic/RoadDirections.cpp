#include "game/traffic/RoadDirections.h"

namespace {

// [turn][direction]
constexpr int kNewDirection[4][4] = {{0, 1, 2, 3}, {1, 2, 3, 0}, {3, 0, 1, 2}, {2, 3, 0, 1}};
// [direction][wanted direction]
constexpr int kTurnNeeded[4][4] = {{0, 1, 3, 2}, {2, 0, 1, 3}, {3, 2, 0, 1}, {1, 3, 2, 0}};

}  // namespace

int DirectionOfBit(uint32_t bit) {
  switch (bit) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return -1;
  }
}

int TurnToDirection(int turn, int direction) { return kNewDirection[turn & 3][direction & 3]; }

int TurnNeeded(int direction, int wanted) { return kTurnNeeded[direction & 3][wanted & 3]; }
