#pragma once
#include <cstdint>

class RoadGraph;

// Vertices are named by column and yindex, packed as x | yindex << 8; tiles as x | y << 8.
constexpr uint16_t PackVertexKey(int x, int yindex) { return static_cast<uint16_t>((x & 255) | (yindex & 255) << 8); }
constexpr int KeyColumn(uint16_t key) { return key & 255; }
constexpr int KeyYIndex(uint16_t key) { return key >> 8; }

// Routes over the road graph. Both searches share the one path queue and the vertices'
// search fields: the uniform-cost search minimises the summed edge Time (a dispatch), the
// greedy search follows only the tile distance to the target (a pursuit). Either leaves the
// route in the vertices' parent links and arrival directions. A route of more than 255
// vertices cannot be followed (its length is one byte), so a search that finds one fails.
namespace RoadPathSearch {

// Octagonal distance of two tiles: the larger difference plus half the smaller.
int Distance(uint16_t a, uint16_t b);

// 1 when the target was reached, 0 when it cannot be (another part of the graph, a key that
// names no vertex, or a route too long).
int ShortestPath(RoadGraph& graph, uint16_t start, uint16_t target);
int GreedyPath(RoadGraph& graph, uint16_t start, uint16_t target);

}  // namespace RoadPathSearch
