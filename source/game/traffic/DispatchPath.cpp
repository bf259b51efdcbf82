#include "game/traffic/DispatchPath.h"

#include "game/traffic/RoadGraph.h"
#include "game/traffic/RoadPathSearch.h"
#include "game/traffic/TrafficAssert.h"

namespace {

constexpr int kLongestRoute = 255;

struct Link {
  const RoadGraphVertex* vertex;
  uint16_t key;
};

// The vertex's parent on the route, or a null vertex when the link is not set.
Link ParentOf(const RoadGraph& graph, const RoadGraphVertex& v) {
  if (v.parentColumn == kNoIndex || v.parentYIndex == kNoIndex) return {nullptr, 0};
  return {graph.Vertex(v.parentColumn, v.parentYIndex), PackVertexKey(v.parentColumn, v.parentYIndex)};
}

}  // namespace

int RouteLength(const RoadGraph& graph, uint16_t startKey, uint16_t targetKey) {
  Link link{graph.Vertex(KeyColumn(targetKey), KeyYIndex(targetKey)), targetKey};
  int length = 1;
  while (link.vertex && link.key != startKey) {
    if (++length > kLongestRoute) return 0;
    link = ParentOf(graph, *link.vertex);
  }
  return link.vertex ? length : 0;
}

bool BuildDispatchPath(DispatchPath& path, const RoadGraph& graph, uint16_t startKey, uint16_t targetKey) {
  int length = RouteLength(graph, startKey, targetKey);
  if (!TRAFFIC_CHECK(length > 0, "!(index.x == 255 || index.yindex == 255)", "P3emrvcl")) return false;
  Link link{graph.Vertex(KeyColumn(targetKey), KeyYIndex(targetKey)), targetKey};
  for (int i = length - 2; i >= 0; --i) {
    path.directions[i] = link.vertex->arrival;
    link = ParentOf(graph, *link.vertex);
  }
  path.length = static_cast<uint8_t>(length);
  path.dispatchPathIndex = 0;
  return true;
}
