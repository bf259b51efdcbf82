#include <gtest/gtest.h>

#include "StartedCity.h"
#include "game/world/CityTileBodies.h"
#include "game/world/GroundHeight.h"
#include "game/world/TerrainMaps.h"

namespace {

using Terrain = StartedCity;

TEST_F(Terrain, CellsStandAtTheirAltitude) {
  SetAltitude(5, 6, 3);
  ASSERT_TRUE(Start());
  int32_t level = 0;
  EXPECT_EQ(GroundHeight(CellWest(5) + Units(32), CellNorth(6) - Units(32), &level), Units(3 * 32 + 32));
  EXPECT_EQ(level, 1);
  EXPECT_EQ(CellOfTile(5, 6)->originY, 128);
  // Beside it the ground falls to the next cell's height over the shared corners.
  EXPECT_EQ(GroundHeight(CellWest(5) + Units(32), CellNorth(8) - Units(32)), Units(32));
}

TEST_F(Terrain, ASlopeRisesTowardItsHighEdge) {
  for (int x = 39; x < 42; ++x) {
    for (int y = 39; y < 42; ++y) SetAltitude(x, y, 2);
  }
  city->auxPtr3[40][40] = 3;  // rising toward the east
  ASSERT_TRUE(Start());
  int32_t level = 1;
  EXPECT_EQ(GroundHeight(CellWest(40), CellNorth(40) - Units(16), &level), Units(96));
  EXPECT_EQ(level, 0);
  EXPECT_EQ(GroundHeight(CellWest(40) + Units(16), CellNorth(40) - Units(16)), Units(104));
  EXPECT_EQ(GroundHeight(CellWest(40) + Units(48), CellNorth(40) - Units(48)), Units(120));
  EXPECT_EQ(GroundHeight(CellWest(41) - Units(1), CellNorth(40) - Units(32)), Units(128) - kFixedOne / 2);
}

TEST_F(Terrain, EachTriangleHasItsOwnPlane) {
  SetAltitude(41, 39, 3);  // lifts the north-east corner of cell (40, 40) to 128
  ASSERT_TRUE(Start());
  // North-west, north-east, south-west: 32 + 96 x 32/64.
  EXPECT_EQ(GroundHeight(CellWest(40) + Units(32), CellNorth(40) - Units(16)), Units(80));
  // North-east, south-east, south-west: 32 + 96 x (64 - 48)/64.
  EXPECT_EQ(GroundHeight(CellWest(40) + Units(48), CellNorth(40) - Units(48)), Units(56));
  EXPECT_EQ(GroundHeight(CellWest(40), CellNorth(40) - Units(40)), Units(32));
}

TEST_F(Terrain, QueriesWrapAtTheMapEdges) {
  SetAltitude(0, 0, 4);
  SetAltitude(0, 1, 1);
  ASSERT_TRUE(Start());
  const Fixedpoint z = Units(8192 - 40);
  EXPECT_EQ(GroundHeight(Units(8192 + 10), z), GroundHeight(Units(-8192 + 10), z));
  EXPECT_EQ(GroundHeight(Units(-8192 - 10), z), GroundHeight(Units(8192 - 10), z));
  EXPECT_EQ(GroundHeight(Units(-8192), Units(8192)), Units(160));
  // Cells 192-255 continue the city's west edge, so the seam at 255 | 0 is smooth.
  EXPECT_EQ(GroundHeight(Units(8192) - 1, Units(8192)), Units(160));
  EXPECT_EQ(TerrainKind(-1, 0), TerrainKind(255, 0));
  EXPECT_EQ(GroundTexture(256, 3), GroundTexture(0, 3));
}

TEST_F(Terrain, RoofsStandAboveTheGround) {
  constexpr uint8_t kHouse = 112;
  city->auxPtr1[50][50] = kHouse;
  ASSERT_TRUE(Start());
  const Fixedpoint x = CellWest(50) + Units(32), z = CellNorth(50) - Units(32);
  EXPECT_EQ(GroundHeightWithObjects(x, z), Units(32 + CityBodies::RoofHeight(TileBodyId(kHouse))));
  EXPECT_EQ(GroundHeight(x, z), Units(32));
  EXPECT_EQ(GroundHeightWithObjects(x + Units(64), z), Units(32));
  // Inside the cell but clear of the roof's square.
  EXPECT_EQ(GroundHeightWithObjects(x + Units(30), z), Units(32));
}

TEST_F(Terrain, KindsOfLandAndWater) {
  struct Case {
    int x, y;
    int water, slope;
    uint8_t id;
    uint8_t kind, ground;
  } cases[] = {
      {70, 70, 3, 0, 0, 7, 7},   {70, 71, 9, 0, 0, 9, 9},  {74, 70, 1, 0, 81, 0, 5},
      {90, 90, 0, 2, 0, 12, 0},  {92, 90, 0, 7, 0, 10, 0}, {94, 90, 0, 0, 81, 10, kGroundConcrete},
      {96, 90, 0, 0, 29, 10, kGroundRoad}, {98, 90, 0, 0, 112, 10, kGroundLawn},
      {100, 90, 0, 0, 140, 10, kGroundPaving}, {102, 90, 0, 0, 44, 10, kGroundRail},
      {104, 90, 0, 0, 64, 10, kGroundRoadOverRail},
  };
  for (const Case& c : cases) {
    SetAltitude(c.x, c.y, 0, c.water);
    city->auxPtr3[c.x][c.y] = static_cast<uint8_t>(c.slope);
    city->auxPtr1[c.x][c.y] = c.id;
  }
  ASSERT_TRUE(Start());
  for (const Case& c : cases) {
    EXPECT_EQ(TerrainKind(c.x, c.y), c.kind) << c.x << "," << c.y;
    uint32_t ground = GroundTexture(c.x, c.y) - kGroundTextureBase;
    if (c.ground == 0) {
      EXPECT_LT(ground, 4u) << c.x << "," << c.y;
    } else {
      EXPECT_EQ(ground, c.ground) << c.x << "," << c.y;
    }
  }
  EXPECT_EQ(TerrainKind(71, 70), kKindBeach);
  EXPECT_EQ(GroundTexture(71, 70), kGroundTextureBase + kGroundBeach);
  EXPECT_TRUE(IsNavigableWater(70, 70));
  EXPECT_FALSE(IsNavigableWater(74, 70));
}

TEST_F(Terrain, MadeUpLandContinuesTheCoast) {
  for (int y = 0; y < 64; ++y) SetAltitude(127, y, 0, 2);
  SetAltitude(0, 10, 5);
  ASSERT_TRUE(Start());
  EXPECT_EQ(TerrainKind(150, 10), 6);
  EXPECT_EQ(TerrainKind(150, 70), kKindLand);
  EXPECT_EQ(TerrainKind(127, 64), kKindBeach);
  // The far side takes the city's west edge: land, at the altitude of tile (0, 10).
  EXPECT_EQ(TerrainKind(220, 10), kKindLand);
  EXPECT_EQ(GroundHeight(CellWest(220) + Units(32), CellNorth(10) - Units(32)), Units(5 * 32 + 32));
}

}  // namespace
