#pragma once
#include <array>
#include <cstdint>

#include "citygen/CityRecipe.h"
#include "game/world/CityArrays.h"

// The working map of the city generator, tile by tile, before it becomes tile ids: the
// ground, the links of the road and rail networks, and the pieces placed whole.
constexpr int kPlanSide = kCitySize;

// Link bits, as the tile pieces name their exits: toward y-1, x+1, y+1, x-1.
enum LinkBit : uint8_t { kLinkNorth = 1, kLinkEast = 2, kLinkSouth = 4, kLinkWest = 8 };
constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {-1, 0, 1, 0};
inline uint8_t LinkOf(int direction) { return static_cast<uint8_t>(1 << direction); }
inline int Opposite(int direction) { return (direction + 2) & 3; }
inline bool InCity(int x, int y) { return x >= 0 && y >= 0 && x < kPlanSide && y < kPlanSide; }

struct CityPlan {
  CityRecipe recipe;
  std::array<std::array<uint8_t, kPlanSide>, kPlanSide> water{};     // depth 0-5
  std::array<std::array<uint8_t, kPlanSide>, kPlanSide> altitude{};
  std::array<std::array<uint8_t, kPlanSide>, kPlanSide> slope{};     // XTER 0-4
  std::array<std::array<uint8_t, kPlanSide>, kPlanSide> road{};      // link bits
  std::array<std::array<uint8_t, kPlanSide>, kPlanSide> rail{};      // link bits
  // A piece placed whole (highway, ramp, bridge end), or 0: its tile id, with 0x8000.
  std::array<std::array<uint16_t, kPlanSide>, kPlanSide> piece{};
  std::array<std::array<bool, kPlanSide>, kPlanSide> reserved{};     // no streets, no buildings
  std::array<std::array<bool, kPlanSide>, kPlanSide> plainRoad{};    // a station's road: an ordinary piece
  int eastStreet = 0;  // the street along the beach
};

// Joins two neighbouring tiles in a network (road or rail).
inline void Link(std::array<std::array<uint8_t, kPlanSide>, kPlanSide>& net, int x, int y, int direction) {
  int nx = x + kStepX[direction], ny = y + kStepY[direction];
  if (!InCity(x, y) || !InCity(nx, ny)) return;
  net[x][y] |= LinkOf(direction);
  net[nx][ny] |= LinkOf(Opposite(direction));
}

// Draws a straight line of links from (x0, y0) to (x1, y1); one of the two must agree.
void DrawLine(std::array<std::array<uint8_t, kPlanSide>, kPlanSide>& net, int x0, int y0, int x1, int y1);
