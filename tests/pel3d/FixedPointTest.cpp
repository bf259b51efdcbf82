#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "pel3d/math/FixedPoint.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct BinaryCase {
  Fixedpoint a;
  Fixedpoint b;
  Fixedpoint expected;
};

TEST(FixMul, RoundsTowardMinusInfinityAndWraps) {
  const BinaryCase cases[] = {
      {-1, 1, -1},
      {1, 1, 0},
      {-65536, 65536, -65536},
      {3 * 65536, 32768, 98304},
      {-3 * 65536, 32768, -98304},
      {-3, 32768, -2},  // -1.5 rounds down, not toward zero
      {kMax, kMax, -65536},  // the product's low 32 bits after the shift
      {kMin, kMin, 0},
      {kMin, -1, 32768},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixMul(c.a, c.b), c.expected) << c.a << " x " << c.b;
  }
}

TEST(FixDiv, TruncatesTowardZeroAndKeepsTheDividendForZero) {
  const BinaryCase cases[] = {
      {-1, 3 * 65536, 0},
      {65536, 3 * 65536, 21845},
      {-65536, 3 * 65536, -21845},
      {5 * 65536, -2 * 65536, -163840},
      {1, 2 * 65536, 0},
      {12345, 0, 12345},
      {0, 0, 0},
      {kMin, 0, kMin},
      {kMin, -1, 0},  // a quotient beyond 32 bits keeps its low bits, no trap
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixDiv(c.a, c.b), c.expected) << c.a << " / " << c.b;
  }
}

TEST(FixSqrt, WorkedValues) {
  const struct {
    Fixedpoint a;
    Fixedpoint root;
  } cases[] = {
      {0, 0},          {65536, 65536},    {2 * 65536, 92682}, {3 * 65536, 113512},
      {4 * 65536, 131072}, {1, 256},      {2, 362},           {-4 * 65536, 131072},
      {kMin, 11863283},
  };
  for (const auto& c : cases) EXPECT_EQ(FixSqrt(c.a), c.root) << c.a;
}

TEST(FixSqrt, WithinOneUnitOfTheExactRootAndEvenInSign) {
  auto check = [](int32_t a) {
    const double exact = std::sqrt(static_cast<double>(a) * 65536.0);
    const Fixedpoint root = FixSqrt(a);
    ASSERT_LE(std::fabs(root - exact), 1.0) << a;
    ASSERT_EQ(FixSqrt(-a), root) << a;
  };
  for (int bit = 0; bit < 31; ++bit) {
    const int32_t power = int32_t{1} << bit;
    check(power);
    check(power - 1);
    check(power + 1);
  }
  for (int64_t a = 1; a <= kMax; a += 104729) check(static_cast<int32_t>(a));
  check(kMax);
}

}  // namespace
