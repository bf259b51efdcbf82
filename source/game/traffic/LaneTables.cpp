#include "game/traffic/LaneTables.h"

#include <cmath>
#include <numbers>

LaneTables gLaneTables;

namespace {

struct Point {
  double x = 0;
  double z = 0;
};

struct Vector {
  double x = 0;
  double y = 0;
  double z = 0;
};

constexpr double kLaneOffset = 8.0;
constexpr double kHalfCell = 32.0;
// Height change per lane segment on a sloped piece: 32 / 10 in whole units.
constexpr double kSegmentRise = 32 / 10;
// Height change of a whole sloped tile crossed on one segment.
constexpr double kTileRise = 32.0;

Fixedpoint ToFixed(double value) { return static_cast<Fixedpoint>(std::lround(value * kFixedOne)); }

// The figure turned by a quarter turn clockwise seen from above, per direction.
Point Turned(Point p, int direction) {
  for (int i = 0; i < direction; ++i) p = {p.z, -p.x};
  return p;
}

// The lane of direction 0 (north): the figures of the other directions are this one turned.
Point NorthLanePoint(int turn, int i) {
  const double pi = std::numbers::pi;
  switch (turn) {
    case 0: return {kLaneOffset, -kHalfCell + 6.4 * i};
    case 1: {
      double angle = pi - i * pi / 20;
      return {kHalfCell + 24.0 * std::cos(angle), -kHalfCell + 24.0 * std::sin(angle)};
    }
    case 2: {
      double angle = i * pi / 20;
      return {-kHalfCell + 40.0 * std::cos(angle), -kHalfCell + 40.0 * std::sin(angle)};
    }
    default: {
      if (i == 0) return {kLaneOffset, -kHalfCell};
      if (i == kLanePointCount - 1) return {-kLaneOffset, -kHalfCell};
      double angle = (i - 1) * pi / 8;
      return {kLaneOffset * std::cos(angle), kLaneOffset * std::sin(angle)};
    }
  }
}

Point LanePointOf(int turn, int direction, int i) { return Turned(NorthLanePoint(turn, i), direction); }

Vector Segment(int turn, int direction, int segment, int slope) {
  Point a = LanePointOf(turn, direction, segment), b = LanePointOf(turn, direction, segment + 1);
  return {b.x - a.x, (slope - 1) * kSegmentRise, b.z - a.z};
}

double Length(const Vector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

Vec3 UnitFixed(const Vector& v) {
  double length = Length(v);
  return {ToFixed(v.x / length), ToFixed(v.y / length), ToFixed(v.z / length)};
}

// An orientation for a body moving along v: its Z axis along v, its X axis level and to the
// right, its Y axis up.
Matrix OrientationOf(const Vector& v) {
  double length = Length(v);
  Vector forward{v.x / length, v.y / length, v.z / length};
  double level = std::sqrt(forward.x * forward.x + forward.z * forward.z);
  Vector right{forward.z / level, 0, -forward.x / level};
  Vector up{forward.y * right.z - forward.z * right.y, forward.z * right.x - forward.x * right.z,
            forward.x * right.y - forward.y * right.x};
  Matrix m{};
  const Vector axes[3] = {right, up, forward};
  for (int column = 0; column < 3; ++column) {
    m[static_cast<size_t>(column)] = ToFixed(axes[column].x);
    m[static_cast<size_t>(4 + column)] = ToFixed(axes[column].y);
    m[static_cast<size_t>(8 + column)] = ToFixed(axes[column].z);
  }
  m[15] = kFixedOne;
  return m;
}

void BuildLanes(LaneTables& t) {
  for (int turn = 0; turn < 4; ++turn) {
    for (int direction = 0; direction < 4; ++direction) {
      for (int i = 0; i < kLanePointCount; ++i) {
        Point p = LanePointOf(turn, direction, i);
        t.points[turn][direction][i] = {ToFixed(p.x), ToFixed(p.z)};
      }
      for (int segment = 0; segment < kLaneSegmentCount; ++segment) {
        for (int slope = 0; slope < kLaneSlopeCount; ++slope) {
          Vector v = Segment(turn, direction, segment, slope);
          if (direction == 0) t.segmentLength[turn][segment][slope] = ToFixed(Length(v));
          t.segmentDirection[turn][direction][segment][slope] = UnitFixed(v);
          t.segmentMatrix[turn][direction][segment][slope] = OrientationOf(v);
        }
      }
    }
  }
}

void BuildCrossings(LaneTables& t) {
  t.crossingLength = ToFixed(2 * kHalfCell);
  for (int direction = 0; direction < 4; ++direction) {
    Point start = Turned({kLaneOffset, -kHalfCell}, direction);
    t.crossingStart[direction] = {ToFixed(start.x), ToFixed(start.z)};
    Point across = Turned({0, 2 * kHalfCell}, direction);
    for (int slope = 0; slope < kLaneSlopeCount; ++slope) {
      Vector v{across.x, (slope - 1) * kTileRise, across.z};
      t.crossingDirection[direction][slope] = UnitFixed(v);
      t.crossingMatrix[direction][slope] = OrientationOf(v);
    }
  }
}

void BuildBends(LaneTables& t) {
  const Fixedpoint inner = ToFixed(24.0 * std::numbers::sqrt2), outer = ToFixed(40.0 * std::numbers::sqrt2);
  const Fixedpoint e = ToFixed(kLaneOffset), h = ToFixed(kHalfCell);
  t.bendChords[0][0] = {-e, outer, h};
  t.bendChords[0][2] = {h, inner, e};
  t.bendChords[1][1] = {h, outer, e};
  t.bendChords[1][3] = {e, inner, -h};
  t.bendChords[2][0] = {-h, inner, -e};
  t.bendChords[2][2] = {e, outer, -h};
  t.bendChords[3][1] = {-e, inner, h};
  t.bendChords[3][3] = {-h, outer, -e};
  const Vector diagonals[4] = {{1, 0, -1}, {-1, 0, -1}, {-1, 0, 1}, {1, 0, 1}};
  for (int variant = 0; variant < 4; ++variant) {
    t.bendDirection[variant] = UnitFixed(diagonals[variant]);
    t.bendMatrix[variant] = OrientationOf(diagonals[variant]);
  }
}

}  // namespace

void P3BuildLaneTables() {
  LaneTables tables{};
  BuildLanes(tables);
  BuildCrossings(tables);
  BuildBends(tables);
  gLaneTables = tables;
}

int BendVariant(int kind, int direction) {
  switch (kind) {
    case 0: return direction == 2 ? 0 : 2;
    case 1: return direction == 3 ? 1 : 3;
    case 2: return direction != 0 ? 0 : 2;
    default: return direction != 1 ? 1 : 3;
  }
}

