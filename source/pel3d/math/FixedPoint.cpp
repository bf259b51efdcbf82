#include "pel3d/math/FixedPoint.h"

#include <bit>

namespace {

// A first guess from the highest set bit: the exponent halved around the 16.16 point.
uint64_t InitialRootGuess(uint32_t x) {
  const int exponent = std::bit_width(x) - 1 - 16;
  if (exponent >= 0) return x >> ((exponent + 1) / 2);
  return uint64_t{x} << (-exponent / 2);
}

}  // namespace

Fixedpoint FixSqrt(Fixedpoint a) {
  if (a == 0) return 0;
  const uint32_t x = a < 0 ? 0u - static_cast<uint32_t>(a) : static_cast<uint32_t>(a);
  const uint64_t square = uint64_t{x} << 16;
  uint64_t guess = InitialRootGuess(x);
  uint64_t roundBit = 0;
  for (;;) {
    const uint64_t quotient = square / guess;
    const uint64_t sum = guess + quotient;
    roundBit = sum & 1;
    guess = sum >> 1;
    const uint64_t gap = quotient > guess ? quotient - guess : guess - quotient;
    if (gap <= 1) break;
  }
  return static_cast<Fixedpoint>(guess + roundBit);
}
