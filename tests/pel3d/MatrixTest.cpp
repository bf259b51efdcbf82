#include <gtest/gtest.h>

#include <cstdint>

#include "pel3d/math/Matrix.h"

namespace {

constexpr Fixedpoint kOne = 65536;
constexpr Fixedpoint Tenths(int32_t tenths) { return tenths * 65536; }

Matrix Identity() {
  Matrix m{};
  return MatrixIdentity(m);
}

Matrix Translated(Fixedpoint x, Fixedpoint y, Fixedpoint z) {
  Matrix m = Identity();
  m[3] = x;
  m[7] = y;
  m[11] = z;
  return m;
}

TEST(Matrix, IdentityHasOnesOnTheWholeDiagonal) {
  Matrix m;
  m.fill(7);
  const Matrix expected = {kOne, 0, 0, 0, 0, kOne, 0, 0, 0, 0, kOne, 0, 0, 0, 0, kOne};
  EXPECT_EQ(&MatrixIdentity(m), &m);
  EXPECT_EQ(m, expected);
}

TEST(Matrix, RotationsTurnTwoRowsAcrossAllFourColumns) {
  // Quarter turns of a translated identity: the translation column turns too.
  struct Case {
    Fixedpoint (*rotate)(Fixedpoint, Matrix&);
    Matrix expected;
  };
  const Case cases[] = {
      {MatrixRotateX,
       {kOne, 0, 0, 1 * kOne, 0, 0, kOne, 3 * kOne, 0, -kOne, 0, -2 * kOne, 0, 0, 0, kOne}},
      {MatrixRotateY,
       {0, 0, -kOne, -3 * kOne, 0, kOne, 0, 2 * kOne, kOne, 0, 0, 1 * kOne, 0, 0, 0, kOne}},
      {MatrixRotateZ,
       {0, kOne, 0, 2 * kOne, -kOne, 0, 0, -1 * kOne, 0, 0, kOne, 3 * kOne, 0, 0, 0, kOne}},
  };
  for (const auto& c : cases) {
    Matrix m = Translated(1 * kOne, 2 * kOne, 3 * kOne);
    EXPECT_EQ(c.rotate(Tenths(900), m), Tenths(900));
    EXPECT_EQ(m, c.expected);
  }
}

TEST(Matrix, RotationUsesTableValuesAndSeparateProducts) {
  // 30 degrees: sine 32768, cosine 56756. Each entry is FixMul(c, a) + FixMul(s, b) with
  // both products rounded down by themselves.
  Matrix m = Identity();
  m[0] = 3;
  m[4] = 5;  // row 1, column 0
  EXPECT_EQ(MatrixRotateZ(Tenths(-3300), m), Tenths(300));
  EXPECT_EQ(m[0], 2 + 2);  // FixMul(56756, 3) + FixMul(32768, 5); one product would give 5
  EXPECT_EQ(m[4], 4 - 1);  // FixMul(56756, 5) - FixMul(32768, 3)
  EXPECT_EQ(m[1], 32768);
  EXPECT_EQ(m[5], 56756);
}

TEST(Matrix, TranslateAddsTheVectorWeightedByRowThree) {
  Matrix m = Identity();
  MatrixTranslate({kOne, -2 * kOne, 3 * kOne}, m);
  EXPECT_EQ(m, Translated(kOne, -2 * kOne, 3 * kOne));

  Matrix weighted{};
  weighted[12] = kOne / 2;  // row 3, column 0
  MatrixTranslate({4 * kOne, 6 * kOne, 8 * kOne}, weighted);
  EXPECT_EQ(weighted[0], 2 * kOne);
  EXPECT_EQ(weighted[4], 3 * kOne);
  EXPECT_EQ(weighted[8], 4 * kOne);
}

TEST(Matrix, ScaleRowsAndColumnsLeaveTranslationAlone) {
  Matrix source{};
  for (int i = 0; i < 16; ++i) source[i] = (i + 1) * kOne;
  const Vec3 scale{2 * kOne, 3 * kOne, kOne / 2};

  Matrix rows = source;
  MatrixScaleRows(scale, rows);
  Matrix columns = source;
  MatrixScaleColumns(scale, columns);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const int i = 4 * r + c;
      const bool inner = r < 3 && c < 3;
      EXPECT_EQ(rows[i], inner ? FixMul(source[i], scale[r]) : source[i]) << i;
      EXPECT_EQ(columns[i], inner ? FixMul(source[i], scale[c]) : source[i]) << i;
    }
  }
}

TEST(TransformVertex, TruncatesEachProductAndWraps) {
  struct Case {
    Vec3 in;
    Matrix m;
    Vec3 expected;
  };
  const Case cases[] = {
      {{kOne, 2 * kOne, 3 * kOne}, Translated(10 * kOne, 0, -kOne), {11 * kOne, 2 * kOne, 2 * kOne}},
      // Three products of -0.5 units each round down by themselves: -1 x 3, not -2.
      {{-1, -1, -1}, {32768, 32768, 32768, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kOne}, {-3, 0, 0}},
      {{kOne, 0, 0}, Translated(INT32_MAX, 0, 0), {INT32_MIN + kOne - 1, 0, 0}},
  };
  for (const auto& c : cases) {
    Vec3 out;
    EXPECT_EQ(TransformVertex(c.in, out, c.m), c.expected.z);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(TransformVertex, OutMayBeTheInput) {
  Vec3 v{kOne, 2 * kOne, 3 * kOne};
  Matrix m{};
  MatrixRotateY(Tenths(900), MatrixIdentity(m));
  TransformVertex(v, v, m);
  EXPECT_EQ(v, (Vec3{-3 * kOne, 2 * kOne, kOne}));
}

TEST(MatrixMultiply, ForcesRowThreeAndLetsRowThreeOfBIntoTheProducts) {
  Matrix a{};
  for (int i = 0; i < 16; ++i) a[i] = (i + 1) * kOne;
  Matrix b = Translated(kOne, 2 * kOne, 3 * kOne);
  b[12] = kOne;  // row 3 of B is (1, 0, 0, 1)
  Matrix out;
  MatrixMultiply(a, b, out);
  // out(0, 0) = 1 x 1 + 4 x 1 (a03 x b30); out(0, 3) = 1 x 1 + 2 x 2 + 3 x 3 + 4 x 1.
  EXPECT_EQ(out[0], 5 * kOne);
  EXPECT_EQ(out[3], 18 * kOne);
  EXPECT_EQ(out[4], 13 * kOne);
  EXPECT_EQ(out[11], (9 + 20 + 33 + 12) * kOne);
  EXPECT_EQ(out[12], 0);
  EXPECT_EQ(out[13], 0);
  EXPECT_EQ(out[14], 0);
  EXPECT_EQ(out[15], kOne);
}

TEST(MatrixMultiply, ComposesPlacements) {
  Matrix rotation{};
  MatrixRotateY(Tenths(900), MatrixIdentity(rotation));
  const Matrix move = Translated(kOne, 0, 0);
  Matrix composed;
  MatrixMultiply(rotation, move, composed);
  Vec3 out;
  TransformVertex({0, 0, 0}, out, composed);
  EXPECT_EQ(out, (Vec3{0, 0, kOne}));  // moved first, then turned
}

TEST(MatrixMultiplyColumn, WritesOneColumnOfTheProductAndKeepsTheRest) {
  Matrix a{};
  for (int i = 0; i < 16; ++i) a[i] = (i * 37 + 3) * (kOne / 3) - 40 * kOne;  // truncating products
  Matrix b{};
  for (int i = 0; i < 16; ++i) b[i] = (i * 53 + 11) * (kOne / 7) - 9 * kOne;
  Matrix product;
  MatrixMultiply(a, b, product);
  for (int column = 0; column < 4; ++column) {
    Matrix out{};
    out.fill(0x5A5A);
    MatrixMultiplyColumn(a, b, column, out);
    for (int i = 0; i < 16; ++i) {
      const bool written = i % 4 == column && i < 12;
      EXPECT_EQ(out[i], written ? product[i] : 0x5A5A) << "column " << column << " entry " << i;
    }
  }
  Matrix aliased = b;  // out may be B itself
  MatrixMultiplyColumn(a, aliased, 3, aliased);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(aliased[4 * row + 3], product[4 * row + 3]);
}

TEST(MatrixTranslateCopy, MovesAlongTheMatrixsOwnAxes) {
  Matrix source{};
  MatrixRotateY(Tenths(900), MatrixIdentity(source));
  source[3] = 5 * kOne;
  Matrix destination{};
  MatrixTranslateCopy(source, destination, {kOne, 0, 0});
  Matrix expected = source;
  expected[11] += kOne;  // the x axis of the matrix points along +z
  EXPECT_EQ(destination, expected);
}

TEST(MatrixTranspose, SwapsAllSixteenEntries) {
  Matrix source{};
  for (int i = 0; i < 16; ++i) source[i] = i;
  Matrix destination{};
  MatrixTranspose(source, destination);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(destination[4 * c + r], source[4 * r + c]);
  }
}

}  // namespace
