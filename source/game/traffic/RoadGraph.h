#pragma once
#include <cstdint>

#include "game/traffic/RoadGoal.h"
#include "game/traffic/RoadGraphRecords.h"
#include "game/world/CityArrays.h"

// The city's roads as a graph: the junction tiles are its vertices, the road stretches
// between them its edges, each with a travel time and the runs of tiles it passes. Built
// once per world start from the city arrays, in the city's arena, then only read (but for
// the search fields of the vertices).
class RoadGraph {
public:
  // Builds the graph of the city in the arena; false (and an empty graph) when the arena
  // cannot hold it.
  bool Build(const CityArrays& city, int arena);
  void Clear();

  // The yindex of the vertex at the tile; 255, reported, when the tile is no vertex.
  uint8_t FindYIndex(int x, int y) const;
  // The vertex at the tile, or null.
  RoadGraphVertex* VertexAt(int x, int y) const;
  // The vertex of a column and yindex, or null when there is none.
  RoadGraphVertex* Vertex(int x, int yindex) const;
  RoadGraphVertex* Neighbour(const RoadGraphEdge& edge) const { return Vertex(edge.column, edge.yindex); }
  int VertexCount() const;

  // Whether the tile is a junction the graph has a vertex for.
  bool IsVertexTile(int x, int y) const;
  // The next heading from the tile for a vehicle heading in the direction: the result is the
  // new heading (go on), -2 (the next tile is a vertex) or -1 (dead end).
  int StepAlongRoad(int heading, int x, int y, int& newHeading) const;
  // Whether the direction leads out of the tile onto a connecting road; sets the neighbour.
  bool UsableDirection(int x, int y, int direction, int& nx, int& ny) const;

  // The goals of a tile: standing on it when it is a vertex (goal 2 null), otherwise one on
  // the tile for each way along its road. The result is the last of them whose way passed
  // the reference tile, or a null goal.
  void GoalsForTile(GridLoc tile, GridLoc reference, RoadGoal& goal1, RoadGoal& goal2, RoadGoal& result) const;
  // Advances a goal whose gridLoc the caller has just moved one tile along its heading.
  void CheckGoal(RoadGoal& goal) const;
  // Turns a goal round on its tile.
  void ReverseGoal(RoadGoal& goal) const;

  const CityArrays* City() const { return mCity; }

  RoadGraphVertex* column[kCitySize] = {};
  uint8_t RGLength[kCitySize] = {};

private:
  bool BuildEdge(RoadGraphVertex& vertex, int direction, int arena);
  bool GoalAlongRoad(RoadGoal& goal, int nx, int ny, int direction, GridLoc tile, GridLoc reference) const;
  void TakeVertex(RoadGoal& goal, const RoadGraphVertex& vertex) const;
  void SetGoalSlope(RoadGoal& goal) const;

  const CityArrays* mCity = nullptr;
};

extern RoadGraph gRoadGraph;

// Builds gRoadGraph from the world's city arrays in the CityArena.
bool P3BuildRoadGraph();
