// Prints a city file's road graph: every vertex with its open and dead-end directions and
// its edges with their times and step lists; with two tiles also the quickest route
// between them (exit status 1 when there is none):
//   roads-list FILE [X1 Y1 X2 Y2]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Drovane/Arena.h"
#include "game/traffic/DispatchPath.h"
#include "game/traffic/RoadGraph.h"
#include "game/traffic/RoadPathSearch.h"
#include "game/world/CityFile.h"

namespace {

const char kDirectionLetters[] = "NESW";

int Usage() {
  std::fprintf(stderr, "usage: roads-list FILE [X1 Y1 X2 Y2]\n");
  return 2;
}

std::string Directions(uint32_t bits) {
  std::string text;
  for (int d = 0; d < 4; ++d) text += bits & (1u << d) ? kDirectionLetters[d] : '-';
  return text;
}

// A step entry as direction and run length, "*" where a dead end turns back.
std::string StepText(RoadStep step) {
  std::string text(1, kDirectionLetters[StepDirection(step)]);
  text += step.count == kReversalCount ? std::string("*") : std::to_string(step.count + 1);
  if (StepSlope(step) != 1) text += StepSlope(step) == 2 ? "/" : "\\";
  if (StepHighway(step)) text += "h";
  return text;
}

void PrintVertex(const RoadGraph& graph, const RoadGraphVertex& v) {
  std::printf("vertex (%d, %d)  open %s  dead ends %s%s\n", v.x, v.y, Directions(OpenDirections(v)).c_str(),
              Directions(DeadEndDirections(v)).c_str(), v.highway ? "  highway" : "");
  for (int d = 0; d < 4; ++d) {
    if (!(OpenDirections(v) & (1u << d))) continue;
    const RoadGraphEdge& edge = v.edges[d];
    const RoadGraphVertex* w = graph.Neighbour(edge);
    std::printf("  %c to (%d, %d)  time %d  steps %d:", kDirectionLetters[d], w ? w->x : -1, w ? w->y : -1, edge.Time,
                edge.stepCount);
    for (int i = 0; i < edge.stepCount; ++i) std::printf(" %s", StepText(edge.steps[i]).c_str());
    std::printf("\n");
  }
}

// The vertex a tile's goal belongs to, or null.
const RoadGraphVertex* VertexForTile(const RoadGraph& graph, int x, int y) {
  if (x < 0 || y < 0 || x >= kCitySize || y >= kCitySize) return nullptr;
  GridLoc tile{static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
  RoadGoal goal1, goal2, result;
  graph.GoalsForTile(tile, tile, goal1, goal2, result);
  return goal1.pRGV;
}

uint16_t KeyOf(const RoadGraph& graph, const RoadGraphVertex& v) {
  return PackVertexKey(v.x, static_cast<int>(&v - graph.column[v.x]));
}

int PrintRoute(RoadGraph& graph, const int (&tiles)[4]) {
  const RoadGraphVertex* start = VertexForTile(graph, tiles[0], tiles[1]);
  const RoadGraphVertex* target = VertexForTile(graph, tiles[2], tiles[3]);
  if (!start || !target) {
    std::printf("no road at (%d, %d)\n", start ? tiles[2] : tiles[0], start ? tiles[3] : tiles[1]);
    return 1;
  }
  uint16_t startKey = KeyOf(graph, *start), targetKey = KeyOf(graph, *target);
  DispatchPath path;
  if (!RoadPathSearch::ShortestPath(graph, startKey, targetKey) || !BuildDispatchPath(path, graph, startKey, targetKey)) {
    std::printf("no route from (%d, %d) to (%d, %d)\n", start->x, start->y, target->x, target->y);
    return 1;
  }
  std::printf("route from (%d, %d) to (%d, %d): %d vertices\n", start->x, start->y, target->x, target->y, path.length);
  const RoadGraphVertex* v = start;
  int time = 0;
  for (int i = 0; i + 1 < path.length; ++i) {
    const RoadGraphEdge& edge = v->edges[path.directions[i]];
    std::printf("  (%d, %d) %c\n", v->x, v->y, kDirectionLetters[path.directions[i]]);
    time += edge.Time;
    v = graph.Neighbour(edge);
  }
  std::printf("  (%d, %d)  time %d\n", v->x, v->y, time);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 6) return Usage();
  auto city = std::make_unique<CityArrays>();
  std::string reason;
  if (!CityFileRead(argv[1], *city, &reason)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], reason.c_str());
    return 1;
  }
  int arena = ArenaCreate(kArenaBlockSize);
  RoadGraph graph;
  if (arena < 0 || !graph.Build(*city, arena)) {
    std::fprintf(stderr, "%s: the road graph could not be built\n", argv[1]);
    return 1;
  }
  std::printf("%d vertices\n", graph.VertexCount());
  for (int x = 0; x < kCitySize; ++x) {
    for (int i = 0; i < graph.RGLength[x]; ++i) PrintVertex(graph, graph.column[x][i]);
  }
  if (argc == 2) return 0;
  int tiles[4];
  for (int i = 0; i < 4; ++i) tiles[i] = std::atoi(argv[2 + i]);
  return PrintRoute(graph, tiles);
}
