#pragma once
#include <array>
#include <cstddef>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Vec3.h"
#include "pel3d/math/Wrap32.h"

// A 4 x 4 matrix of 16.16 values, row-major: element (r, c) is entry 4r + c. A point maps
// to M.(x, y, z, 1), so the translation is column 3 (entries 3, 7, 11); row 3 is
// (0, 0, 0, 1.0) in every matrix the engine builds.
using Matrix = std::array<Fixedpoint, 16>;

// Sets the identity and returns the matrix.
Matrix& MatrixIdentity(Matrix& m);

// Replace M by R.M, R the rotation by the angle (16.16 tenths of a degree) about the axis;
// two rows turn across all four columns, every product a separate FixMul. Return the
// folded angle.
Fixedpoint MatrixRotateX(Fixedpoint angle, Matrix& m);
Fixedpoint MatrixRotateY(Fixedpoint angle, Matrix& m);
Fixedpoint MatrixRotateZ(Fixedpoint angle, Matrix& m);

// Replaces M by T(v).M: adds v, weighted by row 3, to rows 0 to 2.
void MatrixTranslate(const Vec3& v, Matrix& m);

// Scales rows 0, 1, 2 of the 3 x 3 part by v.x, v.y, v.z: a scale after the rotation.
void MatrixScaleRows(const Vec3& v, Matrix& m);
// Scales columns 0, 1, 2 of the 3 x 3 part by v.x, v.y, v.z: a scale of the model before
// the rotation.
void MatrixScaleColumns(const Vec3& v, Matrix& m);

// Row r of M.(v, 1): each product truncated by itself and the sums wrapping. Inline: the
// draw transforms every vertex of every body each frame.
inline Fixedpoint TransformRow(const Vec3& v, const Matrix& m, int row) {
  const Fixedpoint* r = &m[static_cast<std::size_t>(4 * row)];
  Fixedpoint sum = r[3];
  for (int column = 0; column < 3; ++column) sum = wrap32::Add(sum, FixMul(v[column], r[column]));
  return sum;
}

// out = M.(v, 1) row by row; returns the new z.
inline Fixedpoint TransformVertex(const Vec3& v, Vec3& out, const Matrix& m) {
  const Vec3 result{TransformRow(v, m, 0), TransformRow(v, m, 1), TransformRow(v, m, 2)};
  out = result;
  return out.z;
}

// out = A.B over rows 0 to 2 (row 3 of B enters them), and row 3 of out = (0, 0, 0, 1.0)
// whatever A and B hold.
void MatrixMultiply(const Matrix& a, const Matrix& b, Matrix& out);

// Column c of A.B over rows 0 to 2 written into out, the rest of out kept: where only one
// column of B differs from a product already taken, this gives the same entries at a
// quarter of the cost.
void MatrixMultiplyColumn(const Matrix& a, const Matrix& b, int column, Matrix& out);

// destination = source.T(v): the source moved by v along its own axes.
void MatrixTranslateCopy(const Matrix& source, Matrix& destination, const Vec3& v);

// destination(c, r) = source(r, c) for all sixteen entries.
void MatrixTranspose(const Matrix& source, Matrix& destination);
