#pragma once
#include <cstdint>

// n / d truncated toward zero, as the 64-bit integer division gives it, through one
// double division, which costs about half as much where a fill divides on every row.
// Exact while |n| < 2^53 and 0 < d < 2^53: both are then exact doubles, the rounded
// quotient lies less than |n / d| x 2^-53 < 1 / d from the true one, and a true quotient
// that is not whole lies at least 1 / d from every whole number, so truncating the
// rounded one gives the same integer. Outside that range the integer division answers.
inline int64_t ExactQuotient(int64_t n, int64_t d) {
  constexpr int64_t kExactLimit = int64_t{1} << 53;
  if (d <= 0 || d >= kExactLimit || n <= -kExactLimit || n >= kExactLimit) return n / d;
  return static_cast<int64_t>(static_cast<double>(n) / static_cast<double>(d));
}
