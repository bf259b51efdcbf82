#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "dataset/GroundTiles.h"
#include "game/world/CityTileBodies.h"
#include "pel3d/bodies/ColourRamps.h"

namespace {

const std::vector<uint8_t>& Texture() {
  static const std::vector<uint8_t> texture = DrawGroundTiles();
  return texture;
}

// Texel (column, row) of tile t, cut as the tile set cuts the texture.
uint8_t Texel(int tile, int column, int row) {
  int left = tile % kGroundTilesPerRow * kGroundTileSide, top = tile / kGroundTilesPerRow * kGroundTileSide;
  return Texture()[static_cast<size_t>((top + row) * kGroundTextureSide + left + column)];
}

uint8_t MostFrequent(int tile) {
  std::array<int, 256> counts{};
  for (int row = 0; row < kGroundTileSide; ++row) {
    for (int column = 0; column < kGroundTileSide; ++column) ++counts[Texel(tile, column, row)];
  }
  int best = 0;
  for (int colour = 1; colour < 256; ++colour) best = counts[colour] > counts[best] ? colour : best;
  return static_cast<uint8_t>(best);
}

TEST(GroundTiles, FillOneTextureOfSixtyFourTiles) {
  EXPECT_EQ(Texture().size(), 256u * 256u);
  EXPECT_EQ(kGroundTileCount, (kGroundTextureSide / kGroundTileSide) * (kGroundTextureSide / kGroundTileSide));
}

// Ground without its texture draws a tile's main colour and the one after it.
TEST(GroundTiles, MainColourIsNeverTheLastOfItsRamp) {
  for (int tile = 0; tile < kGroundTileCount; ++tile) {
    uint8_t colour = MostFrequent(tile);
    const ColourRamp* ramp = FindColourRamp(colour);
    ASSERT_NE(ramp, nullptr) << "tile " << tile;
    EXPECT_LT(colour, ramp->start + ramp->length - 1) << "tile " << tile << " colour " << int{colour};
  }
}

TEST(GroundTiles, WaterDarkensWithDepth) {
  for (int depth = 1; depth < 5; ++depth) {
    EXPECT_GT(MostFrequent(kGroundWater + depth - 1), MostFrequent(kGroundWater + depth)) << "depth " << depth;
  }
}

TEST(GroundTiles, UnusedTilesAreGrass) {
  const ColourRamp* green = FindColourRamp(MostFrequent(kGroundGrass));
  for (int tile = kGroundRubble + 1; tile < kGroundTileCount; ++tile) EXPECT_EQ(FindColourRamp(MostFrequent(tile)), green);
}

// Roads are 16 texels (32 units) wide about the centre line; a bend follows the lanes'
// quarter circles, its road between 8 and 24 texels from the corner its exits share.
TEST(GroundTiles, RoadsRunAcrossTheirExits) {
  int northSouth = kGroundRoad;  // exits 5
  uint8_t asphalt = Texel(northSouth, 12, 0);
  EXPECT_EQ(Texel(northSouth, 20, 31), asphalt);
  EXPECT_NE(Texel(northSouth, 2, 16), asphalt);
  EXPECT_NE(Texel(northSouth, 29, 16), asphalt);
  int eastWest = kGroundRoad + 1;
  EXPECT_EQ(Texel(eastWest, 0, 12), asphalt);
  EXPECT_NE(Texel(eastWest, 16, 2), asphalt);
  int northEast = kGroundRoad + 2;  // exits 3: the corner at the top right
  for (double radius : {12.0, 20.0}) {
    for (double angle : {0.3, 0.8, 1.2}) {
      int column = static_cast<int>(32 - radius * std::cos(angle)), row = static_cast<int>(radius * std::sin(angle));
      EXPECT_EQ(Texel(northEast, column, row), asphalt) << radius << " " << angle;
    }
  }
  EXPECT_NE(Texel(northEast, 29, 2), asphalt);
  EXPECT_NE(Texel(northEast, 3, 28), asphalt);
  // Pieces meet across the edges: the same row of asphalt where a junction meets a straight.
  uint8_t line = Texel(northSouth, 15, 0);
  EXPECT_NE(line, asphalt);
  auto surface = [&](uint8_t colour) { return colour == asphalt || colour == line; };
  int cross = kGroundRoad + 10;  // exits 15
  for (int column = 0; column < kGroundTileSide; ++column)
    EXPECT_EQ(surface(Texel(cross, column, 0)), surface(Texel(northSouth, column, 31))) << column;
}

TEST(GroundTiles, RailsLieOnSleepers) {
  int northSouth = kGroundRail;
  uint8_t rail = Texel(northSouth, 11, 1);
  EXPECT_EQ(Texel(northSouth, 20, 30), rail);
  EXPECT_NE(Texel(northSouth, 16, 1), rail);
  EXPECT_NE(rail, Texel(kGroundRoad, 11, 1));
  // The level crossing shows the rails through the road.
  EXPECT_EQ(Texel(kGroundRoadOverRail, 16, 11), rail);
}

}  // namespace
