#pragma once
#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// Stateless vector and orientation helpers of the world simulation. Lengths are computed in
// double precision and turned back into 16.16 by truncation toward zero.

// The length of v in 16.16.
Fixedpoint VecLength(const Vec3& v);

// Scales v in place to length 1.0 and returns its former length; a zero vector stays zero
// and gives 0.
Fixedpoint VecNormalize(Vec3& v);

// result = b x a, each product a FixMul:
// (a.z b.y - a.y b.z, a.x b.z - a.z b.x, a.y b.x - a.x b.y).
void VecCross(const Vec3& a, const Vec3& b, Vec3& result);

// The angle (16.16 tenths) brought into -1800.0 up to but not including 1800.0.
Fixedpoint WrapAngle(Fixedpoint angle);

// The rotation by the angle about the unit axis; zero translation, 1.0 at (3, 3).
void MatrixFromAngleAxis(Matrix& result, Fixedpoint angle, const Vec3& axis);

// An orientation whose third column is the unit direction d and whose first column is
// horizontal: u = (d.z, 0, -d.x) normalised, second column VecCross(u, d) normalised.
// Straight up or down the first column is zero.
void MatrixLookAlong(Matrix& result, const Vec3& d);

// An orientation whose second column is the unit direction d: first column (d.y, -d.x, 0)
// normalised, third column VecCross(d, first) normalised.
void MatrixUpAlong(Matrix& result, const Vec3& d);

// The reflection in the plane of the unit normal n: identity less 2 n n.
void MatrixReflect(Matrix& result, const Vec3& n);

// A cheap over-estimate of the distance between p and q over their first two components,
// used for ranking: with a, b the two absolute differences, 2b + a when a <= b, else 2a + b.
int32_t CellDistance2D(const Vec3& p, const Vec3& q);
