#include <gtest/gtest.h>

#include <vector>

#include "PeopleTest.h"
#include "X/Y/PeopleRandom.h"

namespace {

struct DrawCase {
  uint32_t seed;
  std::vector<uint16_t> draws;
  std::vector<uint32_t> seedsAfter;
  bool asserts;
};

class PeopleRandomTest : public PeopleTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(PeopleRandomTest, DrawsFollowTheSeed) {
  const DrawCase& c = GetParam();
  RandomSeed(c.seed);
  for (size_t i = 0; i < c.draws.size(); ++i) {
    EXPECT_EQ(RandomDraw(), c.draws[i]) << "draw " << i;
    EXPECT_EQ(RandomSeedValue(), c.seedsAfter[i]) << "draw " << i;
  }
  EXPECT_EQ(Asserted("bad seed"), c.asserts);
}

INSTANTIATE_TEST_SUITE_P(Seeds, PeopleRandomTest,
                         ::testing::Values(DrawCase{1, {2, 6}, {3, 5}, false},
                                           DrawCase{0x8000, {0x1BF5}, {0x9BF5}, false},
                                           DrawCase{0, {0, 0, 0}, {0, 0, 0}, true},
                                           DrawCase{0x12340000, {0, 0, 0}, {0x12340000, 0x12340000, 0x12340000},
                                                    false}));

TEST_F(PeopleTest, RandomStaysBelowItsRange) {
  RandomSeed(0x2468ACE1);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(Random(1), 0);
    EXPECT_LT(Random(7), 7);
  }
  EXPECT_EQ(Random(0), 0);
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(PeopleTest, RandomIsTheDrawModuloTheRange) {
  RandomSeed(1);
  EXPECT_EQ(Random(4), 2);
  EXPECT_EQ(Random(4), 6 % 4);
}

}  // namespace
