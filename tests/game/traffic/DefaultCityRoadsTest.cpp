#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/traffic/P3Road.h"
#include "game/traffic/RoadGraphFixture.h"
#include "game/traffic/RoadPathSearch.h"
#include "game/world/CityFile.h"

namespace {

const std::string kDefaultCity = std::string(HALVORINE_DATA_SET) + "/cities/pengland.mv2";

class DefaultCityRoads : public RoadGraphFixture {
protected:
  void SetUp() override {
    city = std::make_unique<CityArrays>();
    std::string reason;
    ASSERT_TRUE(CityFileRead(kDefaultCity, *city, &reason)) << reason;
  }
  bool Holds(uint32_t first, uint32_t last) {
    for (int x = 0; x < kCitySize; ++x) {
      for (int y = 0; y < kCitySize; ++y) {
        uint32_t id = CityTileId(*city, x, y);
        if (id >= first && id <= last) return true;
      }
    }
    return false;
  }
};

TEST_F(DefaultCityRoads, HoldsEveryRoadPiece) {
  struct Piece {
    const char* name;
    uint32_t first, last;
  };
  const Piece pieces[] = {
      {"north-south straight", 29, 29}, {"east-west straight", 30, 30},
      {"slope 31", 31, 31}, {"slope 32", 32, 32}, {"slope 33", 33, 33}, {"slope 34", 34, 34},
      {"bend 35", 35, 35}, {"bend 36", 36, 36}, {"bend 37", 37, 37}, {"bend 38", 38, 38},
      {"T junction 39", 39, 39}, {"T junction 40", 40, 40}, {"T junction 41", 41, 41}, {"T junction 42", 42, 42},
      {"cross junction", 43, 43}, {"road over rails", 63, 70}, {"highway ramp", 73, 80},
      {"bridge", 81, 89}, {"flipped bridge", 0x8051, 0x8059}, {"bridge end", 93, 96},
      {"flipped bridge end", 0x805D, 0x8060}, {"2 x 2 highway piece", 97, 100},
      {"highway bend", 101, 104}, {"highway junction 105", 105, 105}, {"highway piece 106-107", 106, 107},
  };
  std::vector<std::string> missing;
  for (const Piece& piece : pieces) {
    if (!Holds(piece.first, piece.last)) missing.push_back(piece.name);
  }
  EXPECT_TRUE(missing.empty()) << "the default city lacks: " << testing::PrintToString(missing);
}

TEST_F(DefaultCityRoads, GraphKeepsItsInvariants) {
  BuildFromCity();
  EXPECT_GT(graph.VertexCount(), 20);
  ExpectGraphInvariants(graph, true);
  int deadEnds = 0;
  for (int x = 0; x < kCitySize; ++x) {
    for (int i = 0; i < graph.RGLength[x]; ++i) deadEnds += DeadEndDirections(graph.column[x][i]) != 0;
  }
  EXPECT_GT(deadEnds, 0);
  EXPECT_TRUE(assertions.empty()) << testing::PrintToString(assertions);
}

// Every road tile gets its goals on itself, each heading along the road; the highway pieces
// and the roads over them may not lead back (their assertions are counted apart).
TEST_F(DefaultCityRoads, EveryRoadTileHasGoalsOnIt) {
  BuildFromCity();
  const auto highway = TilesThroughHighwayBlocks(graph);
  int tiles = 0;
  size_t highwayAssertions = 0;
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) {
      if (!P3RoadTileTime(CityTileId(*city, x, y))) continue;
      RoadGoal goal1, goal2, result;
      GridLoc tile{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
      size_t before = assertions.size();
      graph.GoalsForTile(tile, tile, goal1, goal2, result);
      if (highway.count({x, y}) || IsHighwayBlockId(CityTileId(*city, x, y))) {
        highwayAssertions += assertions.size() - before;
        assertions.resize(before);
      } else if (assertions.size() > before) {
        ADD_FAILURE() << "tile " << x << ", " << y << " id " << CityTileId(*city, x, y);
      }
      if (!goal1.pRGV) continue;
      ++tiles;
      EXPECT_TRUE(goal1.gridLoc.x == x && goal1.gridLoc.y == y) << x << ", " << y;
      if (goal2.pRGV) {
        EXPECT_TRUE(goal2.gridLoc.x == x && goal2.gridLoc.y == y) << x << ", " << y;
      }
    }
  }
  EXPECT_GT(tiles, 1000);
  EXPECT_LT(highwayAssertions, highway.size());
}

TEST_F(DefaultCityRoads, RoutesBetweenConnectedJunctions) {
  BuildFromCity();
  const RoadGraphVertex* first = nullptr;
  int found = 0, tried = 0;
  for (int x = 0; x < kCitySize; ++x) {
    for (int i = 0; i < graph.RGLength[x]; ++i) {
      if (!first) first = &graph.column[x][i];
      ++tried;
      found += RoadPathSearch::ShortestPath(graph, PackVertexKey(first->x, 0), PackVertexKey(x, i));
    }
  }
  EXPECT_GT(found, tried / 2);
  EXPECT_TRUE(assertions.empty()) << testing::PrintToString(assertions);
}

}  // namespace
