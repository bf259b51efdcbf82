#pragma once
#include <cstdint>

// The records of the road graph: junction tiles (vertices) joined by the road stretches
// between them (edges).

constexpr uint8_t kNoIndex = 255;
// The count byte of the step entry at which a dead-end edge turns back: a run of one tile,
// the dead end itself.
constexpr uint8_t kReversalCount = 255;

// One straight run of tiles along an edge, listed from the vertex outward.
struct RoadStep {
  uint8_t code = 0;   // bits 0-1 the direction to leave each tile of the run, 2-3 slope code, 4 highway
  uint8_t count = 0;  // further tiles in the same direction; kReversalCount at a dead end's turn
};

inline int StepDirection(RoadStep step) { return step.code & 3; }
inline int StepSlope(RoadStep step) { return step.code >> 2 & 3; }
inline int StepHighway(RoadStep step) { return step.code >> 4 & 1; }
// The tiles of the run after its first.
inline int StepFurtherTiles(RoadStep step) { return step.count == kReversalCount ? 0 : step.count; }

struct RoadGraphEdge {
  uint8_t yindex = kNoIndex;  // the neighbour vertex; 255, 255 = no edge
  uint8_t column = kNoIndex;
  uint16_t Time = 0;
  uint16_t stepCount = 0;
  RoadStep* steps = nullptr;
};

struct RoadGraphVertex {
  uint8_t x = 0;
  uint8_t y = 0;
  uint8_t directionBits = 0;  // low nibble open directions, high nibble dead ends
  uint8_t highway = 0;
  RoadGraphEdge edges[4];
  // The route search's fields, rewritten by every search.
  uint8_t parentYIndex = kNoIndex;
  uint8_t parentColumn = kNoIndex;
  uint8_t arrival = kNoIndex;
  uint32_t closed = 0;
};

inline uint32_t OpenDirections(const RoadGraphVertex& v) { return v.directionBits & 15u; }
inline uint32_t DeadEndDirections(const RoadGraphVertex& v) { return v.directionBits >> 4; }
