#include <gtest/gtest.h>

#include <cmath>

#include "game/traffic/LaneTables.h"
#include "game/traffic/P3Road.h"
#include "game/traffic/RoadDirections.h"

namespace {

constexpr double kUnit = 65536.0;
double Units(Fixedpoint v) { return v / kUnit; }

class LaneTablesTest : public testing::Test {
protected:
  static void SetUpTestSuite() { P3BuildLaneTables(); }
  const LaneTables& t = gLaneTables;
};

// Where a lane point leaves the cell, seen from the next cell in the exit direction.
LanePoint IntoNextCell(LanePoint p, int exit) {
  const Fixedpoint cell = 64 * kFixedOne;
  switch (exit) {
    case 0: return {p.x, p.z - cell};
    case 1: return {p.x - cell, p.z};
    case 2: return {p.x, p.z + cell};
    default: return {p.x + cell, p.z};
  }
}

TEST_F(LaneTablesTest, StraightLanesRunEdgeToEdgeRightOfTheCentreLine) {
  const double ends[4][4] = {{8, -32, 8, 32}, {-32, -8, 32, -8}, {-8, 32, -8, -32}, {32, 8, -32, 8}};
  for (int d = 0; d < 4; ++d) {
    const LanePoint& first = t.points[0][d][0];
    const LanePoint& last = t.points[0][d][kLanePointCount - 1];
    EXPECT_DOUBLE_EQ(Units(first.x), ends[d][0]) << d;
    EXPECT_DOUBLE_EQ(Units(first.z), ends[d][1]) << d;
    EXPECT_DOUBLE_EQ(Units(last.x), ends[d][2]) << d;
    EXPECT_DOUBLE_EQ(Units(last.z), ends[d][3]) << d;
    EXPECT_EQ(t.crossingStart[d].x, first.x) << d;
    EXPECT_EQ(t.crossingStart[d].z, first.z) << d;
  }
  EXPECT_EQ(t.crossingLength, 64 * kFixedOne);
}

TEST_F(LaneTablesTest, EveryLaneEndsWhereTheNextTilesStraightLaneStarts) {
  for (int turn = 0; turn < 4; ++turn) {
    for (int d = 0; d < 4; ++d) {
      int exit = TurnToDirection(turn, d);
      EXPECT_EQ(t.points[turn][d][0].x, t.points[0][d][0].x) << turn << " " << d;
      EXPECT_EQ(t.points[turn][d][0].z, t.points[0][d][0].z) << turn << " " << d;
      LanePoint end = IntoNextCell(t.points[turn][d][kLanePointCount - 1], exit);
      EXPECT_NEAR(end.x, t.points[0][exit][0].x, 1) << turn << " " << d;
      EXPECT_NEAR(end.z, t.points[0][exit][0].z, 1) << turn << " " << d;
    }
  }
}

TEST_F(LaneTablesTest, SegmentLengthsLevelAndSloped) {
  const double pi = std::acos(-1.0);
  const double chord1 = 2 * 24 * std::sin(pi / 40), chord2 = 2 * 40 * std::sin(pi / 40);
  struct Case {
    int turn, segment;
    double level;
  };
  const Case cases[] = {{0, 0, 6.4}, {0, 9, 6.4}, {1, 0, chord1}, {1, 5, chord1}, {2, 3, chord2}};
  for (const Case& c : cases) {
    double level = Units(t.segmentLength[c.turn][c.segment][1]);
    EXPECT_NEAR(level, c.level, 1 / kUnit) << c.turn << " " << c.segment;
    for (int slope : {0, 2}) {
      EXPECT_NEAR(Units(t.segmentLength[c.turn][c.segment][slope]), std::hypot(c.level, 3.0), 1 / kUnit);
    }
  }
  // Turning back: in from the edge to the half circle, round it in eighths, out again.
  EXPECT_NEAR(Units(t.segmentLength[3][0][1]), 32.0, 1 / kUnit);
  EXPECT_NEAR(Units(t.segmentLength[3][4][1]), 2 * 8 * std::sin(pi / 16), 1 / kUnit);
  EXPECT_NEAR(Units(t.segmentLength[3][9][1]), 32.0, 1 / kUnit);
}

TEST_F(LaneTablesTest, SegmentDirectionsAreUnitVectorsAlongTheLane) {
  for (int turn = 0; turn < 4; ++turn) {
    for (int d = 0; d < 4; ++d) {
      for (int s = 0; s < kLaneSegmentCount; ++s) {
        const Vec3& u = t.segmentDirection[turn][d][s][1];
        const LanePoint& a = t.points[turn][d][s];
        const LanePoint& b = t.points[turn][d][s + 1];
        double length = Units(t.segmentLength[turn][s][1]);
        EXPECT_NEAR(Units(a.x) + length * Units(u.x), Units(b.x), 1e-3);
        EXPECT_NEAR(Units(a.z) + length * Units(u.z), Units(b.z), 1e-3);
        EXPECT_EQ(t.segmentMatrix[turn][d][s][1][10], u.z) << "the body's Z axis runs along the lane";
      }
    }
  }
}

// Each bend is crossed on a chord from the entry lane to the exit lane: 24 sqrt 2 on the
// inner side, 40 sqrt 2 on the outer.
TEST_F(LaneTablesTest, BendChordsJoinEntryAndExitLanes) {
  for (int kind = 0; kind < 4; ++kind) {
    uint32_t exits = P3RoadExits(35 + static_cast<uint32_t>(kind));
    for (int d = 0; d < 4; ++d) {
      if (!(exits & DirectionBit(ReverseDirection(d)))) continue;  // no way in heading d
      int exit = 0;
      while (exit == ReverseDirection(d) || !(exits & DirectionBit(exit))) ++exit;
      int variant = BendVariant(kind, d);
      const BendChord& chord = t.bendChords[kind][variant];
      EXPECT_EQ(chord.startX, t.crossingStart[d].x) << kind << " " << d;
      EXPECT_EQ(chord.startZ, t.crossingStart[d].z) << kind << " " << d;
      bool inner = TurnNeeded(d, exit) == 1;
      EXPECT_NEAR(Units(chord.length), inner ? 33.94 : 56.57, 0.01) << kind << " " << d;
      LanePoint end{chord.startX + FixMul(chord.length, t.bendDirection[variant].x),
                    chord.startZ + FixMul(chord.length, t.bendDirection[variant].z)};
      end = IntoNextCell(end, exit);
      EXPECT_NEAR(Units(end.x), Units(t.points[0][exit][0].x), 0.01) << kind << " " << d;
      EXPECT_NEAR(Units(end.z), Units(t.points[0][exit][0].z), 0.01) << kind << " " << d;
    }
  }
}

TEST_F(LaneTablesTest, SlopedCrossingsClimbOneLevel) {
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(t.crossingDirection[d][1].y, 0);
    EXPECT_GT(t.crossingDirection[d][2].y, 0);
    EXPECT_EQ(t.crossingDirection[d][0].y, -t.crossingDirection[d][2].y);
  }
}

}  // namespace
