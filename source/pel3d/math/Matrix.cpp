#include "pel3d/math/Matrix.h"

#include "pel3d/math/Trigonometry.h"
#include "pel3d/math/Wrap32.h"

namespace {

Fixedpoint& At(Matrix& m, int row, int column) { return m[4 * row + column]; }
Fixedpoint At(const Matrix& m, int row, int column) { return m[4 * row + column]; }

// Rows first and second become c.first + s.second and c.second - s.first, computed from the
// old values of each column before either is stored.
void RotateRows(Matrix& m, int first, int second, Fixedpoint s, Fixedpoint c) {
  for (int column = 0; column < 4; ++column) {
    const Fixedpoint a = At(m, first, column);
    const Fixedpoint b = At(m, second, column);
    At(m, first, column) = wrap32::Add(FixMul(c, a), FixMul(s, b));
    At(m, second, column) = wrap32::Sub(FixMul(c, b), FixMul(s, a));
  }
}

Fixedpoint Rotate(Fixedpoint angle, Matrix& m, int first, int second) {
  Fixedpoint s = 0;
  Fixedpoint c = 0;
  const Fixedpoint folded = SinCos(angle, s, c);
  RotateRows(m, first, second, s, c);
  return folded;
}

// Entry (row, column) of A.B: each product truncated by itself and the sums wrapping.
Fixedpoint ProductEntry(const Matrix& a, const Matrix& b, int row, int column) {
  Fixedpoint sum = 0;
  for (int k = 0; k < 4; ++k) sum = wrap32::Add(sum, FixMul(At(a, row, k), At(b, k, column)));
  return sum;
}

}  // namespace

Matrix& MatrixIdentity(Matrix& m) {
  m.fill(0);
  for (int i = 0; i < 4; ++i) At(m, i, i) = kFixedOne;
  return m;
}

// Rotation about x turns rows 1 and 2.
Fixedpoint MatrixRotateX(Fixedpoint angle, Matrix& m) { return Rotate(angle, m, 1, 2); }

// Rotation about y: row 0 = c.row0 - s.row2 and row 2 = c.row2 + s.row0, which is the
// common rule applied to rows 2 and 0.
Fixedpoint MatrixRotateY(Fixedpoint angle, Matrix& m) { return Rotate(angle, m, 2, 0); }

// Rotation about z turns rows 0 and 1.
Fixedpoint MatrixRotateZ(Fixedpoint angle, Matrix& m) { return Rotate(angle, m, 0, 1); }

void MatrixTranslate(const Vec3& v, Matrix& m) {
  for (int column = 0; column < 4; ++column) {
    const Fixedpoint weight = At(m, 3, column);
    for (int row = 0; row < 3; ++row) {
      At(m, row, column) = wrap32::Add(At(m, row, column), FixMul(weight, v[row]));
    }
  }
}

void MatrixScaleRows(const Vec3& v, Matrix& m) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      At(m, row, column) = FixMul(At(m, row, column), v[row]);
    }
  }
}

void MatrixScaleColumns(const Vec3& v, Matrix& m) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      At(m, row, column) = FixMul(At(m, row, column), v[column]);
    }
  }
}

void MatrixMultiply(const Matrix& a, const Matrix& b, Matrix& out) {
  Matrix product{};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) At(product, row, column) = ProductEntry(a, b, row, column);
  }
  At(product, 3, 3) = kFixedOne;
  out = product;
}

void MatrixMultiplyColumn(const Matrix& a, const Matrix& b, int column, Matrix& out) {
  Fixedpoint entries[3];
  for (int row = 0; row < 3; ++row) entries[row] = ProductEntry(a, b, row, column);
  for (int row = 0; row < 3; ++row) At(out, row, column) = entries[row];
}

void MatrixTranslateCopy(const Matrix& source, Matrix& destination, const Vec3& v) {
  Matrix moved = source;
  for (int row = 0; row < 3; ++row) {
    Fixedpoint offset = FixMul(v.x, At(moved, row, 0));
    offset = wrap32::Add(offset, FixMul(v.y, At(moved, row, 1)));
    offset = wrap32::Add(offset, FixMul(v.z, At(moved, row, 2)));
    At(moved, row, 3) = wrap32::Add(At(moved, row, 3), offset);
  }
  destination = moved;
}

void MatrixTranspose(const Matrix& source, Matrix& destination) {
  Matrix transposed{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) At(transposed, column, row) = At(source, row, column);
  }
  destination = transposed;
}
