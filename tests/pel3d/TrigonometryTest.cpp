#include <gtest/gtest.h>

#include "pel3d/math/Trigonometry.h"

namespace {

constexpr Fixedpoint Tenths(int32_t tenths) { return tenths * 65536; }

TEST(CosineTable, TellingRows) {
  const struct {
    int index;
    Fixedpoint value;
  } rows[] = {{0, 65536},   {1, 65536},   {2, 65536},   {3, 65535}, {100, 64540},
              {300, 56756}, {450, 46341}, {600, 32768}, {899, 114}, {900, 0}};
  for (const auto& row : rows) EXPECT_EQ(CosineTable()[row.index], row.value) << row.index;
}

struct SinCosCase {
  Fixedpoint angle;
  Fixedpoint folded;
  Fixedpoint sine;
  Fixedpoint cosine;
};

TEST(SinCos, FoldsTheAngleAndReadsEachQuadrant) {
  const SinCosCase cases[] = {
      {Tenths(0), Tenths(0), 0, 65536},
      {Tenths(300), Tenths(300), 32768, 56756},
      {Tenths(900), Tenths(900), 65536, 0},
      {Tenths(1000), Tenths(1000), 64540, -11380},  // 100 degrees
      {Tenths(1800), Tenths(1800), 0, -65536},
      {Tenths(2000), Tenths(2000), -22415, -61584},  // 200 degrees
      {Tenths(2700), Tenths(2700), -65536, 0},
      {Tenths(3300), Tenths(3300), -32768, 56756},
      {Tenths(-900), Tenths(2700), -65536, 0},
      {Tenths(3600), Tenths(3600), 0, 65536},  // a full turn is kept, not made 0
      {Tenths(3600) + 5, 5, 0, 65536},
      {Tenths(-3600), 0, 0, 65536},
      {Tenths(7300), Tenths(100), 11380, 64540},
      {Tenths(450) + 65535, Tenths(450) + 65535, 46341, 46341},  // the fraction is dropped
  };
  for (const auto& c : cases) {
    Fixedpoint sine = 1;
    Fixedpoint cosine = 1;
    EXPECT_EQ(SinCos(c.angle, sine, cosine), c.folded) << c.angle;
    EXPECT_EQ(sine, c.sine) << c.angle;
    EXPECT_EQ(cosine, c.cosine) << c.angle;
  }
}

TEST(SinCos, ExtremeAnglesFold) {
  Fixedpoint sine = 0;
  Fixedpoint cosine = 0;
  const Fixedpoint low = SinCos(INT32_MIN, sine, cosine);
  EXPECT_GE(low, 0);
  EXPECT_LE(low, Tenths(3600));
  const Fixedpoint high = SinCos(INT32_MAX, sine, cosine);
  EXPECT_GE(high, 0);
  EXPECT_LE(high, Tenths(3600));
}

TEST(Atan2Angle, WorkedValues) {
  const struct {
    Fixedpoint s;
    Fixedpoint c;
    Fixedpoint angle;
  } cases[] = {
      {0, 0, 0},
      {65536, 0, Tenths(900)},
      {0, -65536, Tenths(1800)},
      {-65536, 0, Tenths(2700)},
      {0, 65536, 0},
      {-1, 65536, Tenths(3600)},  // rounds up to a full turn, which stays 3600
      {3, 3, Tenths(450)},  // only the ratio matters
  };
  for (const auto& c : cases) EXPECT_EQ(Atan2Angle(c.s, c.c), c.angle) << c.s << ", " << c.c;
}

TEST(Atan2Angle, InvertsSinCosForEveryWholeTenth) {
  for (int32_t tenths = 0; tenths <= 3600; ++tenths) {
    Fixedpoint sine = 0;
    Fixedpoint cosine = 0;
    SinCos(Tenths(tenths), sine, cosine);
    ASSERT_EQ(Atan2Angle(sine, cosine), Tenths(tenths % 3600)) << tenths;
  }
}

}  // namespace
