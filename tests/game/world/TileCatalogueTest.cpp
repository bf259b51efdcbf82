#include <gtest/gtest.h>

#include <memory>

#include "game/world/CityArrays.h"
#include "game/world/TileCatalogue.h"

namespace {

TEST(TileCatalogue, EachIdHasItsKindSizeAndExits) {
  struct Case {
    uint32_t id;
    TileKind kind;
    int size;
    int roadExits;
    int railExits;
    bool raised;
  };
  using K = TileKind;
  const Case cases[] = {
      {0, K::kBareLand, 1, 0, 0, false},        {3, K::kRubble, 3, 0, 0, false},
      {5, K::kBareLand, 1, 0, 0, false},        {6, K::kTrees, 1, 0, 0, false},
      {29, K::kRoad, 1, 5, 0, false},           {31, K::kRoad, 1, 26, 0, false},
      {39, K::kRoad, 1, 11, 0, false},          {43, K::kRoad, 1, 15, 0, false},
      {44, K::kRail, 1, 0, 5, false},           {46, K::kRailSlope, 1, 0, 26, true},
      {58, K::kRail, 1, 0, 15, false},          {63, K::kRoadOverRail, 1, 10, 0, false},
      {69, K::kRoadOverRail, 1, 5, 10, false},  {70, K::kRoadOverRail, 1, 10, 5, false},
      {72, K::kRail, 1, 0, 10, false},          {75, K::kHighwayRamp, 1, 15, 0, true},
      {77, K::kHighwayRamp, 1, 5, 10, true},    {81, K::kBridge, 1, 21, 0, true},
      {0x8051, K::kBridge, 1, 26, 0, true},     {0x805A, K::kRailBridge, 1, 0, 26, true},
      {90, K::kRailBridge, 1, 0, 21, true},     {92, K::kBareLand, 1, 0, 0, false},
      {93, K::kBridgeEnd, 1, 2, 0, true},       {0x805D, K::kBridgeEnd, 1, 8, 0, true},
      {0x805E, K::kBridgeEnd, 1, 1, 0, true},   {97, K::kHighway, 2, 26, 0, true},
      {105, K::kHighway, 2, 15, 0, true},       {0x806B, K::kHighway, 2, 26, 0, true},
      {108, K::kBareLand, 1, 0, 0, false},      {112, K::kHouse, 1, 0, 0, false},
      {0x8070, K::kHouse, 1, 0, 0, false},      {119, K::kAirBasePad, 1, 0, 0, false},
      {121, K::kApartment, 2, 0, 0, false},     {130, K::kBuilding, 1, 0, 0, false},
      {165, K::kOffice, 2, 0, 0, false},        {188, K::kTower, 3, 0, 0, false},
      {200, K::kWorkshop, 2, 0, 0, false},      {207, K::kFactory, 3, 0, 0, false},
      {209, K::kHospital, 3, 0, 0, false},      {210, K::kPoliceStation, 3, 0, 0, false},
      {211, K::kFireStation, 3, 0, 0, false},   {215, K::kPlaza, 2, 0, 0, false},
      {222, K::kHelipad, 1, 0, 0, false},       {246, K::kHangarApron, 1, 0, 0, false},
      {248, K::kHangar, 1, 0, 0, false},        {255, K::kBuilding, 1, 0, 0, false},
      {0x8029, K::kBareLand, 1, 0, 0, false},   {0x10000, K::kBareLand, 1, 0, 0, false},
  };
  for (const Case& c : cases) {
    TileInfo info = LookUpTile(c.id);
    EXPECT_EQ(info.kind, c.kind) << std::hex << c.id << ": " << TileKindName(info.kind);
    EXPECT_EQ(info.size, c.size) << std::hex << c.id;
    EXPECT_EQ(info.roadExits, c.roadExits) << std::hex << c.id;
    EXPECT_EQ(info.railExits, c.railExits) << std::hex << c.id;
    EXPECT_EQ(info.raised, c.raised) << std::hex << c.id;
  }
}

TEST(TileCatalogue, TileIdTakesTheFlipBitOfBitsMap) {
  auto city = std::make_unique<CityArrays>();
  city->auxPtr1[3][4] = 81;
  city->BitsMap[3][4] = 2;
  city->auxPtr1[4][3] = 81;
  city->BitsMap[4][3] = 1;
  EXPECT_EQ(CityTileId(*city, 3, 4), 0x8051u);
  EXPECT_EQ(CityTileId(*city, 4, 3), 81u);
  EXPECT_EQ(CityTileId(*city, -1, 0), 0u);
  EXPECT_EQ(CityTileId(*city, 0, 128), 0u);
}

}  // namespace
