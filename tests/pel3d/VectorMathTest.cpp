#include <gtest/gtest.h>

#include <cmath>

#include "pel3d/math/VectorMath.h"

namespace {

constexpr Fixedpoint kOne = 65536;
constexpr Fixedpoint Tenths(int32_t tenths) { return tenths * 65536; }

Vec3 Column(const Matrix& m, int column) { return {m[column], m[4 + column], m[8 + column]}; }

void ExpectNoTranslation(const Matrix& m) {
  EXPECT_EQ(m[3], 0);
  EXPECT_EQ(m[7], 0);
  EXPECT_EQ(m[11], 0);
  EXPECT_EQ(m[12], 0);
  EXPECT_EQ(m[13], 0);
  EXPECT_EQ(m[14], 0);
  EXPECT_EQ(m[15], kOne);
}

TEST(VecLength, TruncatesTheDoubleLength) {
  const struct {
    Vec3 v;
    Fixedpoint length;
  } cases[] = {
      {{0, 0, 0}, 0},
      {{3 * kOne, 4 * kOne, 0}, 5 * kOne},
      {{kOne, kOne, kOne}, 113511},  // sqrt(3) = 1.7320508
      {{-kOne, 0, 0}, kOne},
      {{0, 0, 1}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(VecLength(c.v), c.length);
}

TEST(VecNormalize, ScalesToUnitLengthAndReturnsTheFormerLength) {
  const struct {
    Vec3 in;
    Vec3 out;
    Fixedpoint length;
  } cases[] = {
      {{0, 0, 0}, {0, 0, 0}, 0},
      {{3 * kOne, 4 * kOne, 0}, {39321, 52428, 0}, 5 * kOne},  // 0.6 and 0.8, truncated
      {{-3 * kOne, 0, 4 * kOne}, {-39321, 0, 52428}, 5 * kOne},  // toward zero
      {{0, 0, 7}, {0, 0, kOne}, 7},
  };
  for (const auto& c : cases) {
    Vec3 v = c.in;
    EXPECT_EQ(VecNormalize(v), c.length);
    EXPECT_EQ(v, c.out);
  }
}

TEST(VecCross, IsBCrossA) {
  const struct {
    Vec3 a;
    Vec3 b;
    Vec3 result;
  } cases[] = {
      {{kOne, 0, 0}, {0, kOne, 0}, {0, 0, -kOne}},
      {{0, kOne, 0}, {kOne, 0, 0}, {0, 0, kOne}},
      {{2 * kOne, 3 * kOne, 4 * kOne}, {5 * kOne, 6 * kOne, 7 * kOne},
       {3 * kOne, -6 * kOne, 3 * kOne}},
  };
  for (const auto& c : cases) {
    Vec3 result;
    VecCross(c.a, c.b, result);
    EXPECT_EQ(result, c.result);
  }
}

TEST(WrapAngle, BringsAnglesIntoHalfOpenHalfTurns) {
  const struct {
    Fixedpoint in;
    Fixedpoint out;
  } cases[] = {
      {Tenths(3600), 0},
      {Tenths(1800), Tenths(-1800)},
      {-6554, -6554},  // -0.1
      {Tenths(5400), Tenths(-1800)},
      {Tenths(1799), Tenths(1799)},
      {Tenths(-1800), Tenths(-1800)},
      {Tenths(-1801), Tenths(1799)},
      {Tenths(-7300), Tenths(-100)},
  };
  for (const auto& c : cases) EXPECT_EQ(WrapAngle(c.in), c.out) << c.in;
}

TEST(CellDistance2D, OverEstimatesFromTheTwoDifferences) {
  const struct {
    Vec3 p;
    Vec3 q;
    int32_t distance;
  } cases[] = {
      {{0, 0, 0}, {3 * kOne, 4 * kOne, 99}, 11 * kOne},
      {{5 * kOne, 1 * kOne, 0}, {0, 0, 0}, 11 * kOne},
      {{-2 * kOne, 2 * kOne, 0}, {0, 0, 0}, 6 * kOne},
      {{0, 0, 0}, {0, 0, 50 * kOne}, 0},  // the third component is ignored
  };
  for (const auto& c : cases) EXPECT_EQ(CellDistance2D(c.p, c.q), c.distance);
}

TEST(MatrixLookAlong, ThirdColumnIsTheDirectionAndFirstIsHorizontal) {
  const struct {
    Vec3 d;
    Vec3 first;
    Vec3 second;
  } cases[] = {
      {{0, 0, kOne}, {kOne, 0, 0}, {0, kOne, 0}},
      {{kOne, 0, 0}, {0, 0, -kOne}, {0, kOne, 0}},
      {{0, kOne, 0}, {0, 0, 0}, {0, 0, 0}},  // straight up: no horizontal to take
  };
  for (const auto& c : cases) {
    Matrix m;
    m.fill(9);
    MatrixLookAlong(m, c.d);
    EXPECT_EQ(Column(m, 0), c.first);
    EXPECT_EQ(Column(m, 1), c.second);
    EXPECT_EQ(Column(m, 2), c.d);
    ExpectNoTranslation(m);
  }
}

TEST(MatrixUpAlong, SecondColumnIsTheDirection) {
  Matrix m;
  MatrixUpAlong(m, {0, kOne, 0});
  EXPECT_EQ(Column(m, 0), (Vec3{kOne, 0, 0}));
  EXPECT_EQ(Column(m, 1), (Vec3{0, kOne, 0}));
  EXPECT_EQ(Column(m, 2), (Vec3{0, 0, kOne}));
  ExpectNoTranslation(m);

  MatrixUpAlong(m, {kOne, 0, 0});
  EXPECT_EQ(Column(m, 0), (Vec3{0, -kOne, 0}));
  EXPECT_EQ(Column(m, 2), (Vec3{0, 0, kOne}));
}

TEST(MatrixReflect, IsIdentityLessTwiceTheNormalsProduct) {
  Matrix m;
  MatrixReflect(m, {0, kOne, 0});
  EXPECT_EQ(m, (Matrix{kOne, 0, 0, 0, 0, -kOne, 0, 0, 0, 0, kOne, 0, 0, 0, 0, kOne}));

  MatrixReflect(m, {39322, 52429, 0});  // (0.6, 0.8, 0)
  EXPECT_EQ(m, (Matrix{18350, -62914, 0, 0, -62914, -18350, 0, 0, 0, 0, kOne, 0, 0, 0, 0, kOne}));
}

TEST(MatrixFromAngleAxis, QuarterTurnAboutZ) {
  Matrix m;
  MatrixFromAngleAxis(m, Tenths(900), {0, 0, kOne});
  EXPECT_EQ(m, (Matrix{0, -kOne, 0, 0, kOne, 0, 0, 0, 0, 0, kOne, 0, 0, 0, 0, kOne}));
}

TEST(MatrixFromAngleAxis, MatchesTheExactRotationClosely) {
  const Vec3 axis{21845, 43690, 43690};  // (1, 2, 2) / 3
  Matrix m;
  MatrixFromAngleAxis(m, Tenths(300), axis);
  const double pi = std::acos(-1.0);
  const double s = std::sin(pi / 6);
  const double c = std::cos(pi / 6);
  const double t = 1 - c;
  const double a[3] = {1 / 3.0, 2 / 3.0, 2 / 3.0};
  for (int r = 0; r < 3; ++r) {
    for (int col = 0; col < 3; ++col) {
      double exact = t * a[r] * a[col] + (r == col ? c : 0);
      const int k = 3 - r - col;  // the third axis for the off-diagonal terms
      if (r != col) exact += ((col - r + 3) % 3 == 1 ? -1 : 1) * s * a[k];
      EXPECT_NEAR(m[4 * r + col], exact * 65536, 8) << r << "," << col;
    }
  }
  ExpectNoTranslation(m);
}

}  // namespace
