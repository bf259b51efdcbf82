#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// The lanes of one 64.0-unit cell, in 16.16 units from the cell's centre (X east, Z north,
// Y up). Vehicles keep to the right, 8.0 from the centre line. Turn codes and directions as
// in RoadDirections.h; slopes: 0 and 2 the two ways over a sloped piece, 1 level.
constexpr int kLanePointCount = 11;
constexpr int kLaneSegmentCount = kLanePointCount - 1;
constexpr int kLaneSlopeCount = 3;

struct LanePoint {
  Fixedpoint x = 0;
  Fixedpoint z = 0;
};

// One straight chord across a bend piece.
struct BendChord {
  Fixedpoint startX = 0;
  Fixedpoint length = 0;
  Fixedpoint startZ = 0;
};

struct LaneTables {
  LanePoint points[4][4][kLanePointCount];  // [turn][direction][point]
  int32_t segmentLength[4][kLaneSegmentCount][kLaneSlopeCount];
  Vec3 segmentDirection[4][4][kLaneSegmentCount][kLaneSlopeCount];
  Matrix segmentMatrix[4][4][kLaneSegmentCount][kLaneSlopeCount];
  // Crossing a tile straight on: one segment from the lane's entry point.
  Fixedpoint crossingLength = 0;
  LanePoint crossingStart[4];
  Vec3 crossingDirection[4][kLaneSlopeCount];
  Matrix crossingMatrix[4][kLaneSlopeCount];
  // Bends 35-38 crossed on a chord: [kind = id - 35][variant]; the variants share four
  // diagonal directions.
  BendChord bendChords[4][4];
  Vec3 bendDirection[4];
  Matrix bendMatrix[4];
};

extern LaneTables gLaneTables;

// Fills gLaneTables. The figures are worked out in double and rounded to the nearest 16.16
// value, so the tables are the same on every machine.
void P3BuildLaneTables();

// The chord variant of a bend kind (tile id - 35) for a vehicle heading in the direction.
int BendVariant(int kind, int direction);

