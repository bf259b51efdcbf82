#pragma once
#include <array>
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// Angles are tenths of a degree held in 16.16: a full turn is 3600 x 65536.
constexpr Fixedpoint kAngleFullTurn = 3600 * kFixedOne;
constexpr Fixedpoint kAngleHalfTurn = 1800 * kFixedOne;

// cos(i tenths of a degree) in 16.16 for i = 0 to 900, rounded to nearest (halves up).
// Built from its formula the first time it is asked for, so any thread may call SinCos
// before the engine has started.
const std::array<Fixedpoint, 901>& CosineTable();

// The angle brought into 0 to 3600 x 65536 by whole turns; a full turn is kept as itself.
Fixedpoint FoldAngle(Fixedpoint angle);

// Folds the angle into 0 to 3600 x 65536 (a full turn is kept as itself), drops its fraction
// and reads the sine and the cosine from the table; returns the folded angle.
Fixedpoint SinCos(Fixedpoint angle, Fixedpoint& sine, Fixedpoint& cosine);

// The angle (16.16 tenths, 0 to 3600 x 65536) whose sine goes with s and cosine with c,
// rounded to a whole tenth; only the ratio of s and c matters. (0, 0) gives 0.
Fixedpoint Atan2Angle(Fixedpoint s, Fixedpoint c);
