#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Drovane/Arena.h"
#include "game/WorldAssert.h"
#include "game/traffic/RoadGraph.h"
#include "support/TileRowCity.h"

// A road graph built over a city of tile rows in an arena of its own; world assertions are
// recorded, not shown.
class RoadGraphFixture : public testing::Test {
protected:
  RoadGraphFixture() {
    SetWorldAssertRecorder([this](const WorldAssertion& a) { assertions.push_back(a.file + ": " + a.expression); });
  }
  ~RoadGraphFixture() override {
    SetWorldAssertRecorder({});
    if (arena >= 0) ArenaDestroy(arena);
  }

  RoadGraph& Build(const std::vector<std::string>& rows, int x0 = 0, int y0 = 0) {
    city = MakeTileRowCity(rows, x0, y0);
    return BuildFromCity();
  }
  RoadGraph& BuildFromCity() {
    if (arena >= 0) ArenaDestroy(arena);
    arena = ArenaCreate(kArenaBlockSize);
    EXPECT_TRUE(graph.Build(*city, arena));
    return graph;
  }
  RoadGraphVertex& VertexOf(int x, int y) {
    RoadGraphVertex* v = graph.VertexAt(x, y);
    if (!v) ADD_FAILURE() << "no vertex at (" << x << ", " << y << ")";
    static RoadGraphVertex none;
    return v ? *v : none;
  }

  std::unique_ptr<CityArrays> city;
  RoadGraph graph;
  int arena = -1;
  std::vector<std::string> assertions;
};

// What every graph must hold, checked edge by edge (see RoadGraphInvariants.cpp). Exempt
// from the way-back check, when asked: edges over the 2 x 2 highway pieces.
void ExpectGraphInvariants(const RoadGraph& graph, bool exemptHighwayBlocks = false);
// The tiles of the edges that pass a 2 x 2 highway piece.
std::set<std::pair<int, int>> TilesThroughHighwayBlocks(const RoadGraph& graph);
