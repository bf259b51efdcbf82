#pragma once
#include <cmath>
#include <cstdint>

// Conversions of the figures' fractional values to pixels and colour steps: toward zero, as
// the drawing defines; a value that is not finite counts as 0 and one outside the 32-bit range
// stops at its end, so a damaged size or width never turns into undefined behaviour.
inline int32_t TruncateToInt(double value) {
  if (!std::isfinite(value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The same, kept to the 16-bit range of the frame-part table's coordinates and depths.
inline int16_t TruncateToInt16(double value) {
  int32_t whole = TruncateToInt(value);
  if (whole > INT16_MAX) return INT16_MAX;
  if (whole < INT16_MIN) return INT16_MIN;
  return static_cast<int16_t>(whole);
}

// An angle brought into [0, 2 pi); an angle that is not finite becomes 0.
constexpr float kTwoPi = 6.2831855f;
inline float WrapAngle(float angle) {
  if (!std::isfinite(angle)) return 0.0f;
  angle = std::fmod(angle, kTwoPi);
  if (angle < 0.0f) angle += kTwoPi;
  return angle >= kTwoPi ? 0.0f : angle;
}
