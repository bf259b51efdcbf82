#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "game/traffic/DispatchPath.h"
#include "game/traffic/PathQueue.h"
#include "game/traffic/RoadGraphFixture.h"
#include "game/traffic/RoadPathSearch.h"

namespace {

PathEntry Entry(int id, int cost) {
  PathEntry e;
  e.column = static_cast<uint8_t>(id);
  e.cost = cost;
  return e;
}

std::vector<int> HeapIds(const PathQueue& queue) {
  std::vector<int> ids;
  for (int i = 1; i <= queue.Count(); ++i) ids.push_back(queue.At(i).column);
  return ids;
}

TEST(PathQueue, AnEqualCostStaysBelowAndTheLeftChildRisesOnATie) {
  PathQueue queue;
  queue.Reset();
  queue.Push(Entry(1, 5));
  queue.Push(Entry(2, 5));  // equal to its parent: stays below
  queue.Push(Entry(3, 3));
  EXPECT_EQ(HeapIds(queue), (std::vector<int>{3, 2, 1}));
  queue.Push(Entry(4, 7));
  queue.Push(Entry(5, 7));
  // Popping 3: the last entry (5, cost 7) goes to the root; its children cost 5 and 5 and
  // the left one rises; below it 5 meets 4, equal in cost, and stays.
  EXPECT_EQ(queue.Pop().column, 3);
  EXPECT_EQ(HeapIds(queue), (std::vector<int>{2, 5, 1, 4}));
  EXPECT_EQ(queue.Pop().column, 2);
  EXPECT_EQ(HeapIds(queue), (std::vector<int>{1, 5, 4}));
  EXPECT_EQ(queue.Pop().column, 1);
  // 4 came to the root from the end and does not sink below 5 of equal cost.
  EXPECT_EQ(queue.Pop().column, 4);
  EXPECT_EQ(queue.Pop().column, 5);
  EXPECT_TRUE(queue.Empty());
}

// However the costs come in, they come out in order.
TEST(PathQueue, PopsInCostOrder) {
  PathQueue queue;
  queue.Reset();
  std::vector<int> costs;
  for (int i = 0; i < 200; ++i) costs.push_back(i * 7919 % 31);
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(queue.Push(Entry(i, costs[static_cast<size_t>(i)])));
  int last = -1;
  while (!queue.Empty()) {
    PathEntry e = queue.Pop();
    EXPECT_GE(e.cost, last);
    last = e.cost;
  }
}

TEST(RoadPathSearch, OctagonalDistance) {
  EXPECT_EQ(RoadPathSearch::Distance(PackVertexKey(0, 0), PackVertexKey(5, 2)), 6);
  EXPECT_EQ(RoadPathSearch::Distance(PackVertexKey(3, 3), PackVertexKey(0, 0)), 4);
  EXPECT_EQ(RoadPathSearch::Distance(PackVertexKey(7, 1), PackVertexKey(7, 1)), 0);
  EXPECT_EQ(RoadPathSearch::Distance(PackVertexKey(0, 9), PackVertexKey(3, 0)), 10);
}

// A grid of junctions with streets of different lengths, and a pair of junctions apart.
const std::vector<std::string> kGrid = {
    "43 30 43 30 30 43",
    "29 .  29 .  .  29",
    "43 30 43 30 30 43",
    "29 .  .  .  .  29",
    "29 .  .  .  .  29",
    "43 30 30 43 30 43",
};

class RouteSearchTest : public RoadGraphFixture {
protected:
  std::vector<RoadGraphVertex*> Vertices() {
    std::vector<RoadGraphVertex*> all;
    for (int x = 0; x < kCitySize; ++x) {
      for (int i = 0; i < graph.RGLength[x]; ++i) all.push_back(&graph.column[x][i]);
    }
    return all;
  }
  uint16_t Key(const RoadGraphVertex* v) { return PackVertexKey(v->x, v - graph.column[v->x]); }
  uint16_t KeyAt(int x, int y) { return Key(graph.VertexAt(x, y)); }

  // The summed Time of the route the search left, from the target back to the start.
  int RouteCost(const RoadGraphVertex* start, const RoadGraphVertex* target) {
    int cost = 0;
    for (const RoadGraphVertex* v = target; v != start;) {
      const RoadGraphVertex* parent = graph.Vertex(v->parentColumn, v->parentYIndex);
      if (!parent) return -1;
      cost += parent->edges[v->arrival].Time;
      v = parent;
    }
    return cost;
  }

  // A plain Dijkstra over the graph's edges.
  std::vector<int> ReferenceCosts(RoadGraphVertex* start) {
    auto all = Vertices();
    std::vector<int> best(all.size(), INT_MAX);
    std::vector<bool> done(all.size());
    auto index = [&](const RoadGraphVertex* v) { return static_cast<size_t>(std::find(all.begin(), all.end(), v) - all.begin()); };
    best[index(start)] = 0;
    for (size_t round = 0; round < all.size(); ++round) {
      size_t u = all.size();
      for (size_t i = 0; i < all.size(); ++i) {
        if (!done[i] && best[i] != INT_MAX && (u == all.size() || best[i] < best[u])) u = i;
      }
      if (u == all.size()) break;
      done[u] = true;
      for (int d = 0; d < 4; ++d) {
        if (!(OpenDirections(*all[u]) & (1u << d))) continue;
        size_t w = index(graph.Neighbour(all[u]->edges[d]));
        best[w] = std::min(best[w], best[u] + all[u]->edges[d].Time);
      }
    }
    return best;
  }
};

TEST_F(RouteSearchTest, UniformCostMatchesAReferenceOnEveryPair) {
  Build(kGrid, 2, 2);
  PlaceTileRows(*city, {"43 43"}, 50, 50);
  BuildFromCity();
  auto all = Vertices();
  for (RoadGraphVertex* start : all) {
    std::vector<int> reference = ReferenceCosts(start);
    for (size_t i = 0; i < all.size(); ++i) {
      int found = RoadPathSearch::ShortestPath(graph, Key(start), Key(all[i]));
      EXPECT_EQ(found, reference[i] != INT_MAX ? 1 : 0);
      if (found) {
        EXPECT_EQ(RouteCost(start, all[i]), reference[i]);
      }
    }
  }
  EXPECT_TRUE(assertions.empty());
}

TEST_F(RouteSearchTest, StartEqualToTargetIsARouteOfOneVertex) {
  Build(kGrid, 2, 2);
  uint16_t key = KeyAt(4, 4);
  ASSERT_EQ(RoadPathSearch::ShortestPath(graph, key, key), 1);
  DispatchPath path;
  path.dispatchPathIndex = 9;
  ASSERT_TRUE(BuildDispatchPath(path, graph, key, key));
  EXPECT_EQ(path.length, 1);
  EXPECT_EQ(path.dispatchPathIndex, 0);
  EXPECT_EQ(RoadPathSearch::GreedyPath(graph, key, key), 1);
}

TEST_F(RouteSearchTest, AnotherPartOfTheGraphOrNoVertexIsNoRoute) {
  Build(kGrid, 2, 2);
  PlaceTileRows(*city, {"43 43"}, 50, 50);
  BuildFromCity();
  EXPECT_EQ(RoadPathSearch::ShortestPath(graph, KeyAt(2, 2), KeyAt(50, 50)), 0);
  EXPECT_EQ(RoadPathSearch::GreedyPath(graph, KeyAt(2, 2), KeyAt(51, 50)), 0);
  EXPECT_EQ(RoadPathSearch::ShortestPath(graph, KeyAt(2, 2), PackVertexKey(3, 0)), 0);
  EXPECT_EQ(RoadPathSearch::ShortestPath(graph, PackVertexKey(2, 7), KeyAt(2, 2)), 0);
}

// From S two ways lead to T: through A, tile-near T but round a long loop, and through B,
// farther off but shorter on the road.
const std::vector<std::string> kTwoWays = {
    ".  .  36 30 30 30 37",  // y 0
    ".  .  29 .  .  .  29",
    ".  .  29 .  .  .  29",
    ".  .  29 .  .  .  29",
    "41 30 39 30 .  30 42",  // S (4,4), A (6,4), T (10,4)
    "29 .  .  .  .  .  29",
    "40 30 30 30 30 30 38",  // B (4,6)
    "29 .  .  .  .  .  .",
};

TEST_F(RouteSearchTest, UniformCostTakesTheShortWayGreedyTheNearVertex) {
  Build(kTwoWays, 4, 0);
  ExpectGraphInvariants(graph);
  uint16_t s = KeyAt(4, 4), t = KeyAt(10, 4);
  ASSERT_EQ(RoadPathSearch::ShortestPath(graph, s, t), 1);
  DispatchPath path;
  ASSERT_TRUE(BuildDispatchPath(path, graph, s, t));
  EXPECT_EQ(path.length, 3);
  EXPECT_EQ(path.directions[0], 2);  // S south to B
  EXPECT_EQ(path.directions[1], 1);  // B east to T
  EXPECT_EQ(RouteCost(graph.VertexAt(4, 4), graph.VertexAt(10, 4)), 18 + 66);

  ASSERT_EQ(RoadPathSearch::GreedyPath(graph, s, t), 1);
  ASSERT_TRUE(BuildDispatchPath(path, graph, s, t));
  EXPECT_EQ(path.length, 3);
  EXPECT_EQ(path.directions[0], 1);  // S east to A
  EXPECT_EQ(path.directions[1], 0);  // A north round the loop to T
  EXPECT_EQ(RouteCost(graph.VertexAt(4, 4), graph.VertexAt(10, 4)), 18 + 98);
}

TEST_F(RouteSearchTest, BrokenLinksBuildNoPath) {
  Build(kGrid, 2, 2);
  ASSERT_EQ(RoadPathSearch::ShortestPath(graph, KeyAt(2, 2), KeyAt(7, 7)), 1);
  graph.VertexAt(7, 7)->parentColumn = kNoIndex;
  DispatchPath path;
  EXPECT_FALSE(BuildDispatchPath(path, graph, KeyAt(2, 2), KeyAt(7, 7)));
  EXPECT_EQ(assertions, std::vector<std::string>{"P3emrvcl: !(index.x == 255 || index.yindex == 255)"});
}

}  // namespace
