#include <gtest/gtest.h>

#include "game/traffic/RoadGraph.h"
#include "game/world/StartedCity.h"
#include "support/TileRowCity.h"

namespace {

using WorldRoadGraph = StartedCity;

// The world's graph is built from the started city in the city's arena.
TEST_F(WorldRoadGraph, BuiltFromTheStartedCity) {
  PlaceTileRows(*city, {"43 30 43", "29 .  .", "43 30 30"}, 20, 30);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(P3BuildRoadGraph());
  EXPECT_EQ(gRoadGraph.City(), gCityArrays);
  EXPECT_EQ(gRoadGraph.VertexCount(), 3);
  const RoadGraphVertex* corner = gRoadGraph.VertexAt(20, 32);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->directionBits, 0x23);
  EXPECT_TRUE(assertions.empty());
}

}  // namespace
