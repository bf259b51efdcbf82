#pragma once
#include <cstdint>

class RoadGraph;

constexpr int VOD_PATH_LENGTH = 256;

// The route an emergency vehicle follows: the direction in which to leave each vertex of
// the route in turn (the start is the 0th), the route's length in vertices, and the next
// direction to take.
struct DispatchPath {
  uint8_t directions[VOD_PATH_LENGTH] = {};
  uint8_t length = 0;
  uint8_t dispatchPathIndex = 0;
};

// The number of vertices on the route the last search left from the start to the target,
// following the parent links back; 0 when a link is missing or the route is longer than
// 255 vertices.
int RouteLength(const RoadGraph& graph, uint16_t startKey, uint16_t targetKey);

// Reads the route of the last successful search into the path, index 0. False (the path
// left as it was, reported) when the links do not lead back to the start.
bool BuildDispatchPath(DispatchPath& path, const RoadGraph& graph, uint16_t startKey, uint16_t targetKey);
