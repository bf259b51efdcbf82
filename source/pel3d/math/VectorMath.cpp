#include "pel3d/math/VectorMath.h"

#include <cmath>

#include "pel3d/math/Trigonometry.h"
#include "pel3d/math/Wrap32.h"

namespace {

double ToDouble(Fixedpoint value) { return value / 65536.0; }

// value x 65536 truncated toward zero, keeping the low 32 bits of a result out of range.
Fixedpoint ToFixed(double value) { return wrap32::Low(static_cast<int64_t>(value * 65536.0)); }

double LengthOf(const Vec3& v) {
  const double x = ToDouble(v.x);
  const double y = ToDouble(v.y);
  const double z = ToDouble(v.z);
  return std::sqrt(x * x + y * y + z * z);
}

// The 3 x 3 part from three rows; zero translation and row 3 = (0, 0, 0, 1.0).
void SetRows(Matrix& m, const Vec3& first, const Vec3& second, const Vec3& third) {
  m.fill(0);
  const Vec3* rows[3] = {&first, &second, &third};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) m[4 * row + column] = (*rows[row])[column];
  }
  m[15] = kFixedOne;
}

// The 3 x 3 part from three columns; zero translation and row 3 = (0, 0, 0, 1.0).
void SetColumns(Matrix& m, const Vec3& first, const Vec3& second, const Vec3& third) {
  SetRows(m, {first.x, second.x, third.x}, {first.y, second.y, third.y},
          {first.z, second.z, third.z});
}

uint32_t Distance(Fixedpoint a, Fixedpoint b) {
  const int32_t difference = wrap32::Sub(a, b);
  const uint32_t bits = static_cast<uint32_t>(difference);
  return difference < 0 ? 0u - bits : bits;
}

}  // namespace

Fixedpoint VecLength(const Vec3& v) { return ToFixed(LengthOf(v)); }

Fixedpoint VecNormalize(Vec3& v) {
  const double length = LengthOf(v);
  if (length == 0) return 0;
  for (int axis = 0; axis < 3; ++axis) v[axis] = ToFixed(ToDouble(v[axis]) / length);
  return ToFixed(length);
}

void VecCross(const Vec3& a, const Vec3& b, Vec3& result) {
  const Vec3 cross{wrap32::Sub(FixMul(a.z, b.y), FixMul(a.y, b.z)),
                   wrap32::Sub(FixMul(a.x, b.z), FixMul(a.z, b.x)),
                   wrap32::Sub(FixMul(a.y, b.x), FixMul(a.x, b.y))};
  result = cross;
}

Fixedpoint WrapAngle(Fixedpoint angle) {
  const Fixedpoint folded = FoldAngle(angle);
  return folded < kAngleHalfTurn ? folded : folded - kAngleFullTurn;
}

void MatrixFromAngleAxis(Matrix& result, Fixedpoint angle, const Vec3& axis) {
  Fixedpoint s = 0;
  Fixedpoint c = 0;
  SinCos(angle, s, c);
  const Fixedpoint t = wrap32::Sub(kFixedOne, c);
  const Fixedpoint x = axis.x;
  const Fixedpoint y = axis.y;
  const Fixedpoint z = axis.z;
  auto txx = [t](Fixedpoint a, Fixedpoint b) { return FixMul(FixMul(t, a), b); };
  const Vec3 row0{wrap32::Add(txx(x, x), c), wrap32::Sub(txx(x, y), FixMul(s, z)),
                  wrap32::Add(txx(x, z), FixMul(s, y))};
  const Vec3 row1{wrap32::Add(txx(x, y), FixMul(s, z)), wrap32::Add(txx(y, y), c),
                  wrap32::Sub(txx(y, z), FixMul(s, x))};
  const Vec3 row2{wrap32::Sub(txx(x, z), FixMul(s, y)), wrap32::Add(txx(y, z), FixMul(s, x)),
                  wrap32::Add(txx(z, z), c)};
  SetRows(result, row0, row1, row2);
}

void MatrixLookAlong(Matrix& result, const Vec3& d) {
  Vec3 across{d.z, 0, wrap32::Neg(d.x)};
  VecNormalize(across);
  Vec3 up;
  VecCross(across, d, up);
  VecNormalize(up);
  SetColumns(result, across, up, d);
}

void MatrixUpAlong(Matrix& result, const Vec3& d) {
  Vec3 across{d.y, wrap32::Neg(d.x), 0};
  VecNormalize(across);
  Vec3 third;
  VecCross(d, across, third);
  VecNormalize(third);
  SetColumns(result, across, d, third);
}

void MatrixReflect(Matrix& result, const Vec3& n) {
  result.fill(0);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const Fixedpoint diagonal = row == column ? kFixedOne : 0;
      result[4 * row + column] = wrap32::Sub(diagonal, wrap32::Mul(2, FixMul(n[row], n[column])));
    }
  }
  result[15] = kFixedOne;
}

int32_t CellDistance2D(const Vec3& p, const Vec3& q) {
  const uint32_t a = Distance(p.x, q.x);
  const uint32_t b = Distance(p.y, q.y);
  const uint32_t estimate = a <= b ? 2 * b + a : 2 * a + b;
  return static_cast<int32_t>(estimate);
}
