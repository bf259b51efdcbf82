#pragma once
#include <cstdint>

struct RoadGraphVertex;

struct GridLoc {
  uint8_t x = 0;
  uint8_t y = 0;
};

constexpr int32_t kOnVertex = -2;  // the edge of a goal standing on its vertex
constexpr int32_t kNoHeading = -2;

// A place on the road graph that a vehicle or a station keeps and advances tile by tile:
// the vertex it belongs to, the edge it follows from there and how far along it is.
struct RoadGoal {
  RoadGraphVertex* pRGV = nullptr;  // null: no goal
  uint32_t stepIndex = 0;
  int32_t tileCount = -1;  // tiles done in the step entry; -1 = not yet started
  GridLoc gridLoc;
  int32_t edge = kOnVertex;
  int32_t heading = kNoHeading;
  uint32_t drivingWord = 0;  // kept by the driving code
  uint32_t openDirections = 0;
  uint32_t deadEndDirections = 0;
  uint32_t highway = 0;
  uint32_t slope = 1;  // 1 level, 0 and 2 the two ways over a sloped piece
};
