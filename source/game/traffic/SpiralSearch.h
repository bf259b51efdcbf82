#pragma once
#include <cstdint>

// A square spiral over the city's tiles around a start tile, one ring after another out to
// a radius: sides of 1, 1, 2, 2, 3, 3, ... tiles, turning north, east, south, west. Tiles
// are packed as x | y << 8 with bytes that wrap, so a step west of x 0 lands on 255 and is
// walked over.
class SpiralSearch {
public:
  void Start(int radius);
  // Moves the tile to the next spiral position inside the city: true, or false when the
  // spiral is done. The start tile itself is never returned.
  bool Next(uint16_t& tile);
  static bool InCity(uint16_t tile);

private:
  int32_t mSteps = 0;
  int32_t mSide = 0;
  int32_t mSideLength = 1;
  int32_t mLimit = 0;
};

constexpr uint16_t PackTile(int x, int y) { return static_cast<uint16_t>((x & 255) | (y & 255) << 8); }
constexpr int TileX(uint16_t tile) { return tile & 255; }
constexpr int TileY(uint16_t tile) { return tile >> 8; }
