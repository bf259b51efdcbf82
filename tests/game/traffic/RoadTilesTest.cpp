#include <gtest/gtest.h>

#include <vector>

#include "game/traffic/P3Road.h"
#include "game/traffic/RoadDirections.h"
#include "support/TileRowCity.h"

namespace {

TEST(TurnTables, TheNeededTurnLeadsToTheWantedDirection) {
  for (int d = 0; d < 4; ++d) {
    for (int wanted = 0; wanted < 4; ++wanted) {
      int turn = TurnNeeded(d, wanted);
      EXPECT_EQ(TurnToDirection(turn, d), wanted) << d << " to " << wanted;
      int expected = wanted == d ? 0 : wanted == (d + 1) % 4 ? 1 : wanted == (d + 3) % 4 ? 2 : 3;
      EXPECT_EQ(turn, expected) << d << " to " << wanted;
    }
  }
}

// Every pair of table pieces, every direction: they join when the first has the exit and
// the second the answering one.
TEST(RoadConnects, JoinsTablePiecesByTheirExits) {
  std::vector<uint32_t> ids;
  for (uint32_t id = 29; id <= 107; ++id) {
    if (P3RoadExits(id) && !IsBridgeEndId(id)) ids.push_back(id);
  }
  for (uint32_t id : {0x8051u, 0x8055u, 0x8059u, 0x806Au, 0x806Bu}) ids.push_back(id);
  for (uint32_t from : ids) {
    for (uint32_t to : ids) {
      for (int d = 0; d < 4; ++d) {
        uint32_t bit = DirectionBit(d);
        bool expected = (P3RoadExits(from) & bit) && (P3RoadExits(to) & DirectionBit(ReverseDirection(d)));
        ASSERT_EQ(P3RoadConnects(from, to, bit, bit), expected) << from << " to " << to << " direction " << d;
      }
    }
  }
}

struct ConnectCase {
  uint32_t from, to, code, bits;
  bool joins;
};

TEST(RoadConnects, NamedCases) {
  const ConnectCase cases[] = {
      {39, 29, 1, 1, true},      // a junction north onto a straight
      {30, 29, 1, 1, false},     // an east-west straight has no north exit
      {29, 140, 1, 1, false},    // a building is no road
      {29, 0x8000 | 29, 1, 1, false},  // a flipped id outside the table has no exits
      {43, 35, 4, 4, true},      // south into a bend that leads north
      {0x8051, 30, 2, 2, true},  // a flipped bridge piece runs east-west
      {81, 30, 2, 2, false},
      // The wildcard ramps go on only straight ahead.
      {75, 30, 2, 2, true},
      {30, 76, 8, 8, true},
      {75, 29, 2, 1, false},
      {75, 30, 3, 2, false},
  };
  for (const ConnectCase& c : cases) {
    EXPECT_EQ(P3RoadConnects(c.from, c.to, c.code, c.bits), c.joins) << c.from << " to " << c.to << " bits " << c.bits;
  }
}

// A bridge end carries its road straight through, off the bridge and onto it, whichever
// side of the step it stands on; never across.
TEST(RoadConnects, BridgeEndsJoinAlongTheirRoadBothWays) {
  struct End {
    uint32_t id;
    int wayOff;
  };
  const End ends[] = {{93, 1}, {94, 0}, {95, 3}, {96, 2}, {0x805D, 3}, {0x805E, 0}, {0x805F, 1}, {0x8060, 2}};
  for (const End& end : ends) {
    for (int d = 0; d < 4; ++d) {
      bool along = d == end.wayOff || d == ReverseDirection(end.wayOff);
      uint32_t bit = DirectionBit(d);
      uint32_t road = d % 2 ? 30 : 29;
      EXPECT_EQ(P3RoadConnects(end.id, road, bit, bit), along) << end.id << " out " << d;
      EXPECT_EQ(P3RoadConnects(road, end.id, bit, bit), along) << end.id << " in " << d;
    }
  }
}

struct VertexCase {
  std::vector<std::string> rows;
  int x0, y0, x, y;
  bool vertex;
};

TEST(RoadIsVertexTile, JunctionsRampsAndTheMapsEdges) {
  const VertexCase cases[] = {
      {{"43"}, 0, 0, 0, 0, true},
      {{"39"}, 127, 127, 127, 127, true},
      {{"42"}, 0, 127, 0, 127, true},
      {{"43"}, 0, 0, -1, 0, false},
      {{"43"}, 0, 0, 128, 5, false},
      {{"105"}, 10, 10, 10, 10, false},  // four exits, yet no vertex
      {{"29"}, 10, 10, 10, 10, false},
      // A ramp beside a bridge end: at an even x with the end west of it or two tiles east.
      {{"f95 73"}, 1, 5, 2, 5, true},
      {{"f95 . 73"}, 0, 5, 2, 5, false},
      {{"f96 73"}, 3, 5, 4, 5, true},
      {{"73 . f93"}, 6, 5, 6, 5, true},
      {{"73 . f94"}, 5, 5, 5, 5, false},  // odd x
      {{"73 . f93"}, 124, 5, 124, 5, false},  // x below 124 only
      {{"95", "74"}, 5, 1, 5, 2, true},
      {{"74", ".", "94"}, 5, 6, 5, 6, true},
      {{"74", ".", "93"}, 5, 124, 5, 124, false},
  };
  for (const VertexCase& c : cases) {
    auto city = MakeTileRowCity(c.rows, c.x0, c.y0);
    EXPECT_EQ(P3RoadIsVertexTile(*city, c.x, c.y), c.vertex) << c.rows[0] << " at (" << c.x << ", " << c.y << ")";
  }
}

TEST(RoadTileTime, ByPiece) {
  const std::pair<uint32_t, int> cases[] = {{29, 8},      {43, 10},     {63, 8},  {75, 4},   {85, 8},
                                            {93, 10},     {97, 8},      {105, 10}, {107, 4},  {0x8055, 8},
                                            {0x805E, 10}, {0x806B, 4},  {44, 0},   {0x8000 | 29, 0}};
  for (auto [id, time] : cases) EXPECT_EQ(P3RoadTileTime(id), time) << id;
}

}  // namespace
