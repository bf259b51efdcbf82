// The road graph of the default city: building it, and the two route searches between the
// two connected junctions that lie farthest apart.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Drovane/Arena.h"
#include "game/traffic/RoadGraph.h"
#include "game/traffic/RoadPathSearch.h"
#include "game/world/CityFile.h"

namespace {

struct DefaultCity {
  std::unique_ptr<CityArrays> city = std::make_unique<CityArrays>();
  RoadGraph graph;
  int arena = ArenaCreate(kArenaBlockSize);
  uint16_t from = 0, to = 0;

  DefaultCity() {
    std::string path = std::string(HALVORINE_DATA_SET) + "/cities/pengland.mv2";
    if (!CityFileRead(path, *city) || !graph.Build(*city, arena)) return;
    FindFarthestPair();
  }

  std::vector<std::pair<uint16_t, uint16_t>> ConnectedToFirst() {
    std::vector<std::pair<uint16_t, uint16_t>> found;  // key, tile
    uint16_t first = 0;
    bool any = false;
    for (int x = 0; x < kCitySize; ++x) {
      for (int i = 0; i < graph.RGLength[x]; ++i) {
        uint16_t key = PackVertexKey(x, i);
        if (!any) first = key, any = true;
        if (!RoadPathSearch::ShortestPath(graph, first, key)) continue;
        const RoadGraphVertex& v = graph.column[x][i];
        found.emplace_back(key, static_cast<uint16_t>(v.x | v.y << 8));
      }
    }
    return found;
  }

  void FindFarthestPair() {
    auto vertices = ConnectedToFirst();
    int farthest = -1;
    for (auto [keyA, tileA] : vertices) {
      for (auto [keyB, tileB] : vertices) {
        int distance = RoadPathSearch::Distance(tileA, tileB);
        if (distance > farthest) farthest = distance, from = keyA, to = keyB;
      }
    }
  }
};

DefaultCity& City() {
  static DefaultCity city;
  return city;
}

void P3BuildRoadGraph(benchmark::State& state) {
  DefaultCity& city = City();
  int arena = ArenaCreate(kArenaBlockSize);
  RoadGraph graph;
  for (auto _ : state) {
    ArenaReset(arena);
    benchmark::DoNotOptimize(graph.Build(*city.city, arena));
  }
  state.counters["vertices"] = graph.VertexCount();
  ArenaDestroy(arena);
}
BENCHMARK(P3BuildRoadGraph)->Unit(benchmark::kMicrosecond);

void ShortestPathFarthestPair(benchmark::State& state) {
  DefaultCity& city = City();
  for (auto _ : state) benchmark::DoNotOptimize(RoadPathSearch::ShortestPath(city.graph, city.from, city.to));
  if (!RoadPathSearch::ShortestPath(city.graph, city.from, city.to)) state.SkipWithError("no route in the default city");
}
BENCHMARK(ShortestPathFarthestPair)->Unit(benchmark::kMicrosecond);

void GreedyPathFarthestPair(benchmark::State& state) {
  DefaultCity& city = City();
  for (auto _ : state) benchmark::DoNotOptimize(RoadPathSearch::GreedyPath(city.graph, city.from, city.to));
  if (!RoadPathSearch::GreedyPath(city.graph, city.from, city.to)) state.SkipWithError("no route in the default city");
}
BENCHMARK(GreedyPathFarthestPair)->Unit(benchmark::kMicrosecond);

}  // namespace
