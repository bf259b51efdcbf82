#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "Drovane/Arena.h"
#include "StartedCity.h"
#include "game/world/BuildOMAP.h"
#include "game/world/CityTileBodies.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/DrawSettings.h"

namespace {

constexpr uint8_t kFireStation = 211;
constexpr uint8_t kHighway = 97;
constexpr uint8_t kHouse = 112;
constexpr uint8_t kOffice = 158;
constexpr uint8_t kRamp = 73;

using CellRecordsBuilt = StartedCity;

std::vector<const StaticObjectNode*> Nodes(const cell_info* cell) {
  std::vector<const StaticObjectNode*> nodes;
  for (const StaticObjectNode* node = FirstNode(*cell); node; node = NextNode(*node)) nodes.push_back(node);
  return nodes;
}

TEST_F(CellRecordsBuilt, EveryEntryHoldsARecord) {
  Block(0, 0, 3, kFireStation);
  ASSERT_TRUE(Start());
  EXPECT_EQ(gOmapCounts.nullEntries, 0);
  for (auto& column : OMAP) {
    for (cell_info* cell : column) ASSERT_NE(cell, nullptr);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CellRecordsBuilt, AStationIsOneRecordCentredOnItsBlock) {
  Block(10, 20, 3, kFireStation);
  city->AltMap[10][20] = 2;
  ASSERT_TRUE(Start());
  cell_info* station = CellOfTile(10, 20);
  for (int x = 10; x < 13; ++x) {
    for (int y = 20; y < 23; ++y) EXPECT_EQ(CellOfTile(x, y), station);
  }
  EXPECT_NE(CellOfTile(13, 20), station);
  EXPECT_EQ(station->size, 3);
  EXPECT_EQ(station->originX, 10 * 64 - 8192 + 96);
  EXPECT_EQ(station->originZ, 8192 - 20 * 64 - 96);
  EXPECT_EQ(station->originY, 2 * 32 + 32);
  EXPECT_EQ(station->flags, kCellNoGround);

  // The building, then the paved lot it stands on.
  std::vector<const StaticObjectNode*> nodes = Nodes(station);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0]->body, FindBody(TileBodyId(kFireStation)));
  EXPECT_EQ(nodes[0]->drawFlags, kNodeBuilding);
  EXPECT_EQ(nodes[1]->body, FindBody(LotBodyId(3)));
  EXPECT_EQ(nodes[1]->drawFlags, kNodePavedLot);
  EXPECT_EQ(station->topY, CityBodies::RoofHeight(TileBodyId(kFireStation)));
}

TEST_F(CellRecordsBuilt, ABuildingOfSizeFourSharesOneRecord) {
  Block(40, 40, 4, 4);  // rubble of a building of size 4
  ASSERT_TRUE(Start());
  cell_info* rubble = CellOfTile(40, 40);
  EXPECT_EQ(CellOfTile(43, 43), rubble);
  EXPECT_EQ(rubble->originX, 40 * 64 - 8192 + 128);
  EXPECT_EQ(rubble->originZ, 8192 - 40 * 64 - 128);
  ASSERT_EQ(Nodes(rubble).size(), 1u);
  EXPECT_EQ(Nodes(rubble)[0]->drawFlags, kNodeRubble);
}

TEST_F(CellRecordsBuilt, AHighwayBlockIsOneRecord) {
  Block(30, 30, 2, kHighway);
  ASSERT_TRUE(Start());
  cell_info* highway = CellOfTile(30, 30);
  EXPECT_EQ(highway->size, 2);
  EXPECT_EQ(CellOfTile(31, 31), highway);
  ASSERT_EQ(Nodes(highway).size(), 1u);
  EXPECT_EQ(Nodes(highway)[0]->drawFlags, kNodeDeck);
  EXPECT_EQ(highway->flags, 0);
}

TEST_F(CellRecordsBuilt, ABlockWithAForeignTileIsSingleTiles) {
  Block(10, 20, 3, kFireStation);
  city->auxPtr1[11][21] = kHouse;
  ASSERT_TRUE(Start());
  for (int x = 10; x < 13; ++x) {
    for (int y = 20; y < 23; ++y) EXPECT_EQ(CellOfTile(x, y)->size, 1) << x << "," << y;
  }
  EXPECT_TRUE(Nodes(CellOfTile(10, 20)).empty());
  EXPECT_EQ(CellOfTile(10, 20)->flags, 0);  // its ground is drawn
  ASSERT_EQ(Nodes(CellOfTile(11, 21)).size(), 1u);
  EXPECT_EQ(Nodes(CellOfTile(11, 21))[0]->body, FindBody(TileBodyId(kHouse)));
}

TEST_F(CellRecordsBuilt, NodeFlagsFollowTheTile) {
  struct Case {
    uint8_t id;
    uint32_t flags;
    uint16_t cellFlags;
  } cases[] = {
      {6, kNodeTree, 0},           {kHouse, kNodeBuilding, 0},      {119, 0x20, kCellNoGround},
      {222, 544, kCellNoGround},   {246, 640, kCellNoGround},       {1, kNodeRubble, 0},
      {81, kNodeDeck, 0},          {46, kNodeDeck, 0},
  };
  int x = 0;
  for (const Case& c : cases) city->auxPtr1[x++ * 2][5] = c.id;
  ASSERT_TRUE(Start());
  x = 0;
  for (const Case& c : cases) {
    const cell_info* cell = CellOfTile(x++ * 2, 5);
    ASSERT_EQ(Nodes(cell).size(), 1u) << int{c.id};
    EXPECT_EQ(Nodes(cell)[0]->drawFlags, c.flags) << int{c.id};
    EXPECT_EQ(cell->flags, c.cellFlags) << int{c.id};
  }
}

TEST_F(CellRecordsBuilt, TheNoGroundSwitchMarksEveryCellAndDropsTheLots) {
  Block(10, 20, 3, kFireStation);
  SetNoGround(1);
  bool started = Start();
  SetNoGround(0);
  ASSERT_TRUE(started);
  EXPECT_EQ(Nodes(CellOfTile(10, 20)).size(), 1u);
  for (auto [x, y] : {std::pair{0, 0}, {10, 20}, {200, 3}}) EXPECT_EQ(CellOfTile(x, y)->flags, kCellNoGround);
}

TEST_F(CellRecordsBuilt, ARampTakesTheBodyRisingTowardItsHighway) {
  Block(60, 58, 2, kHighway);
  city->auxPtr1[60][60] = kRamp;  // the highway lies to its north
  city->auxPtr1[70][60] = kRamp;  // no highway beside it
  Block(80, 61, 2, kHighway);
  city->auxPtr1[80][60] = kRamp;  // the highway to its south
  ASSERT_TRUE(Start());
  EXPECT_EQ(Nodes(CellOfTile(60, 60))[0]->body, FindBody(RampBodyId(kRamp, kRampNorth)));
  EXPECT_EQ(Nodes(CellOfTile(70, 60))[0]->body, FindBody(RampBodyId(kRamp, kRampNorth)));
  EXPECT_EQ(Nodes(CellOfTile(80, 60))[0]->body, FindBody(RampBodyId(kRamp, kRampSouth)));
}

TEST_F(CellRecordsBuilt, OfficesCarryTheirFarBody) {
  Block(20, 20, 2, kOffice);
  ASSERT_TRUE(Start());
  Body* near = Nodes(CellOfTile(20, 20))[0]->body;
  EXPECT_EQ(near, FindBody(TileBodyId(kOffice)));
  EXPECT_EQ(near->userData, FindBody(FarBodyId(kOffice)));
}

TEST_F(CellRecordsBuilt, MadeUpLandIsCoveredByBlocksOfSixteen) {
  SetAltitude(127, 5, 3);
  ASSERT_TRUE(Start());
  EXPECT_EQ(gOmapCounts.records[16], 256 - 64);
  cell_info* block = CellOfTile(128, 0);
  EXPECT_EQ(block->size, 16);
  EXPECT_EQ(CellOfTile(143, 15), block);
  EXPECT_NE(CellOfTile(144, 0), block);
  EXPECT_EQ(block->originX, 128 * 64 - 8192 + 512);
  EXPECT_EQ(block->originZ, 8192 - 512);
  EXPECT_EQ(block->staticObjects, nullptr);
  EXPECT_EQ(CellOfTile(0, 128)->size, 16);
  EXPECT_EQ(CellOfTile(255, 255)->size, 16);
}

TEST_F(CellRecordsBuilt, AMissingBodyLeavesNoNodeAndTheGroundDrawn) {
  bodies.reset();
  bodies = std::make_unique<CityBodies>(std::set<int>{TileBodyId(kHouse), TileBodyId(222), LotBodyId(3)});
  city->auxPtr1[5][5] = kHouse;
  city->auxPtr1[7][5] = 222;
  Block(10, 20, 3, kFireStation);
  ASSERT_TRUE(Start());
  EXPECT_EQ(CellOfTile(5, 5)->staticObjects, nullptr);
  EXPECT_EQ(CellOfTile(7, 5)->staticObjects, nullptr);
  EXPECT_EQ(CellOfTile(7, 5)->flags, 0);
  EXPECT_EQ(Nodes(CellOfTile(10, 20)).size(), 1u);
  EXPECT_EQ(CellOfTile(10, 20)->flags, 0);
  EXPECT_EQ(gOmapCounts.missingBodies, 3);
}

TEST_F(CellRecordsBuilt, ARefusedRecordFailsTheBuildWithOneBox) {
  EXPECT_FALSE(BuildOMAP(*city, -1));
  EXPECT_EQ(boxes, std::vector<std::string>{"Unrecoverable Program Error. Select 'Retry' to debug the application."});
}

}  // namespace
