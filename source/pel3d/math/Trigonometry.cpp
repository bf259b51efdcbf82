#include "pel3d/math/Trigonometry.h"

#include <cmath>
#include <numbers>

namespace {

std::array<Fixedpoint, 901> BuildCosineTable() {
  std::array<Fixedpoint, 901> table{};
  for (int i = 0; i <= 900; ++i) {
    const double radians = i * std::numbers::pi / 1800.0;
    table[i] = static_cast<Fixedpoint>(std::floor(std::cos(radians) * 65536.0 + 0.5));
  }
  return table;
}

}  // namespace

Fixedpoint FoldAngle(Fixedpoint angle) {
  while (angle < 0) angle += kAngleFullTurn;
  while (angle > kAngleFullTurn) angle -= kAngleFullTurn;
  return angle;
}

const std::array<Fixedpoint, 901>& CosineTable() {
  static const std::array<Fixedpoint, 901> table = BuildCosineTable();
  return table;
}

Fixedpoint SinCos(Fixedpoint angle, Fixedpoint& sine, Fixedpoint& cosine) {
  const auto& table = CosineTable();
  const Fixedpoint folded = FoldAngle(angle);
  const int tenths = folded >> 16;
  if (tenths <= 900) {
    cosine = table[tenths];
    sine = table[900 - tenths];
  } else if (tenths <= 1800) {
    cosine = -table[1800 - tenths];
    sine = table[900 - (1800 - tenths)];
  } else if (const int c = 3600 - tenths; c <= 900) {
    cosine = table[c];
    sine = -table[900 - c];
  } else {
    cosine = -table[1800 - c];
    sine = -table[900 - (1800 - c)];
  }
  return folded;
}

Fixedpoint Atan2Angle(Fixedpoint s, Fixedpoint c) {
  constexpr long double kPi = std::numbers::pi_v<long double>;
  long double radians = std::atan2(s / 65536.0L, c / 65536.0L);
  if (radians < 0) radians += 2 * kPi;
  const long double tenths = std::nearbyint(radians * 1800 / kPi);
  return static_cast<Fixedpoint>(tenths) << 16;
}
