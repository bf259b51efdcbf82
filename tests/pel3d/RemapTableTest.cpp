#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "enginefiles/RemapTable.h"

namespace {

struct LighterCase {
  std::string name;
  uint32_t shades;
  uint32_t colour;
  uint32_t lighter;
};

class LighteningTableTest : public ::testing::TestWithParam<LighterCase> {};

TEST_P(LighteningTableTest, MovesWithinTheRamp) {
  const LighterCase& c = GetParam();
  EXPECT_EQ(MakeLighteningTable(c.shades)[c.colour], c.lighter);
}

INSTANTIATE_TEST_SUITE_P(Colours, LighteningTableTest,
                         ::testing::Values(LighterCase{"OneShade", 1, 16, 17},
                                           LighterCase{"FourShades", 4, 100, 104},
                                           LighterCase{"HeldAtTheRampsLastShade", 4, 30, 31},
                                           LighterCase{"LastShadeStays", 1, 31, 31},
                                           LighterCase{"ShortRampOfTen", 3, 232, 233},
                                           LighterCase{"StaticColourStays", 2, 5, 5},
                                           LighterCase{"TopStaticColourStays", 4, 255, 255}),
                         CaseName<LighterCase>);

TEST(RemapBlock, FourTablesOneToFourShadesLighter) {
  const std::vector<uint8_t> block = MakeRemapBlock();
  ASSERT_EQ(block.size(), kRemapBlockRows * kRemapTableWidth);
  for (uint32_t row = 0; row < kRemapBlockRows; ++row) {
    const std::vector<uint8_t> table = MakeLighteningTable(row + 1);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), block.begin() + row * kRemapTableWidth)) << row;
  }
  EXPECT_EQ(block[0 * 256 + 64], 65);
  EXPECT_EQ(block[3 * 256 + 64], 68);
}

}  // namespace
