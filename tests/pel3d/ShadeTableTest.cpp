#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "DrawFixture.h"
#include "enginefiles/ShadeTable.h"
#include "imagefiles/GamePalette.h"

namespace {

// Black everywhere but a few entries, 10 and 11 the same grey.
ShadePalette SmallPalette() {
  ShadePalette palette{};
  palette[kDayFogColour] = {200, 200, 200};
  palette[10] = {100, 100, 100};
  palette[11] = {100, 100, 100};
  palette[12] = {40, 40, 40};
  return palette;
}

struct ShadeCase {
  std::string name;
  uint32_t level;
  uint8_t colour;
  uint8_t expected;
};

class ShadeTableTest : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ShadeTableTest, EntryIsTheNearestToTheColourMovedTowardTheFog) {
  const ShadeCase& c = GetParam();
  const std::vector<uint8_t> table = MakeShadeTable(SmallPalette(), kDayFogColour);
  ASSERT_EQ(table.size(), kShadeTableRows * kShadeTableWidth);
  EXPECT_EQ(table[c.level * kShadeTableWidth + c.colour], c.expected);
}

INSTANTIATE_TEST_SUITE_P(Entries, ShadeTableTest,
                         ::testing::Values(ShadeCase{"RowZeroIsTheIdentity", 0, 11, 11},
                                           ShadeCase{"RowZeroOfBlack", 0, 200, 200},
                                           ShadeCase{"LowestIndexOnTies", 16, 0, 10},
                                           ShadeCase{"OneStepStaysBlack", 1, 200, 0},
                                           ShadeCase{"QuarterWay", 8, 0, 12},
                                           ShadeCase{"LastRowNearlyFog", 31, 0, kDayFogColour},
                                           ShadeCase{"FogStaysFog", 20, kDayFogColour, kDayFogColour}),
                         CaseName<ShadeCase>);

TEST(ShadeTables, GamePaletteFadesEveryColourIntoItsSky) {
  for (uint8_t fog : {kDayFogColour, kNightFogColour}) {
    const std::vector<uint8_t> table = MakeShadeTable(GamePalette(), fog);
    for (uint32_t c = 0; c < kShadeTableWidth; ++c) EXPECT_EQ(table[c], c);
    // The sky colour is its own nearest at every level.
    for (uint32_t level = 0; level < kShadeTableRows; ++level) EXPECT_EQ(table[level * kShadeTableWidth + fog], fog);
  }
}

}  // namespace
