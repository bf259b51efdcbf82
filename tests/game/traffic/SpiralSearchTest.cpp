#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "game/traffic/SpiralSearch.h"

namespace {

std::vector<std::pair<int, int>> Spiral(int x, int y, int radius) {
  SpiralSearch spiral;
  spiral.Start(radius);
  uint16_t tile = PackTile(x, y);
  std::vector<std::pair<int, int>> tiles;
  while (spiral.Next(tile)) tiles.emplace_back(TileX(tile), TileY(tile));
  return tiles;
}

TEST(SpiralSearch, RadiusOneAroundATile) {
  std::vector<std::pair<int, int>> expected = {{5, 4}, {6, 4}, {6, 5}, {6, 6}, {5, 6}, {4, 6}, {4, 5}};
  EXPECT_EQ(Spiral(5, 5, 1), expected);
}

// From the corner the spiral gives the same tiles as in the open, less those outside.
TEST(SpiralSearch, FromTheCornerOnlyTilesInsideTheCity) {
  for (int radius : {1, 3, 6}) {
    std::vector<std::pair<int, int>> expected;
    for (auto [x, y] : Spiral(64, 64, radius)) {
      if (x >= 64 && y >= 64) expected.emplace_back(x - 64, y - 64);
    }
    EXPECT_EQ(Spiral(0, 0, radius), expected) << radius;
  }
  auto tiles = Spiral(127, 127, 4);
  for (auto [x, y] : tiles) EXPECT_TRUE(x < 128 && y < 128 && (x != 127 || y != 127));
  EXPECT_EQ(std::set(tiles.begin(), tiles.end()).size(), tiles.size());
}

TEST(SpiralSearch, RadiusZeroGivesNothing) { EXPECT_TRUE(Spiral(5, 5, 0).empty()); }

TEST(SpiralSearch, InCity) {
  EXPECT_TRUE(SpiralSearch::InCity(PackTile(127, 0)));
  EXPECT_FALSE(SpiralSearch::InCity(PackTile(-1, 0)));
  EXPECT_FALSE(SpiralSearch::InCity(PackTile(3, 128)));
}

}  // namespace
