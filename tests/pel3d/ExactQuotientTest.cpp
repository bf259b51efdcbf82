#include "pel3d/math/ExactQuotient.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

// Numerators next to a whole multiple of the divisor, where a rounded quotient would
// first reach the wrong integer.
TEST(ExactQuotient, AgreesWithIntegerDivisionBesideWholeQuotients) {
  const int64_t divisors[] = {1, 3, 4097, 8193, 0x2000 + 559 * 4096, (int64_t{1} << 22) - 1, (int64_t{1} << 31) + 5};
  const int64_t quotients[] = {0, 1, 7, 65535, int64_t{1} << 20, (int64_t{1} << 31) - 1, int64_t{1} << 32};
  for (int64_t d : divisors) {
    for (int64_t q : quotients) {
      if (q > ((int64_t{1} << 53) - 2) / d) continue;  // beyond the exact range
      for (int64_t offset : {-1, 0, 1}) {
        for (int64_t sign : {1, -1}) {
          const int64_t n = sign * (q * d + offset);
          EXPECT_EQ(ExactQuotient(n, d), n / d) << n << " / " << d;
        }
      }
    }
  }
}

// What the fills divide: a change of a 16.16 coordinate times 4096 by a 20.12 span width.
TEST(ExactQuotient, AgreesWithIntegerDivisionOverFillOperands) {
  std::mt19937_64 random(20261211);
  std::uniform_int_distribution<int64_t> change(-(int64_t{1} << 32), int64_t{1} << 32);
  std::uniform_int_distribution<int64_t> width(4097, int64_t{1} << 24);
  for (int i = 0; i < 200000; ++i) {
    const int64_t n = change(random) * 4096;
    const int64_t d = width(random);
    ASSERT_EQ(ExactQuotient(n, d), n / d) << n << " / " << d;
  }
}

TEST(ExactQuotient, LeavesOperandsBeyondTheDoublesRangeToTheIntegerDivision) {
  const int64_t big = (int64_t{1} << 62) + 12345;
  EXPECT_EQ(ExactQuotient(big, 3), big / 3);
  EXPECT_EQ(ExactQuotient(-big, 7), -big / 7);
  EXPECT_EQ(ExactQuotient(1000, -3), 1000 / -3);
}

}  // namespace
