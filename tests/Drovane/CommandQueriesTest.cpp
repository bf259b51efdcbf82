#include <gtest/gtest.h>

#include <map>

#include "Drovane/CommandQueries.h"

namespace {

// A command map of the test's own: a state byte and an amount per command id.
class TestCommandMap : public CommandStateSource {
public:
  uint8_t GetCommandState(int32_t id) const override {
    auto found = states.find(id);
    return found == states.end() ? 0 : found->second;
  }
  int32_t GetCommandAmount(int32_t id) const override {
    auto found = amounts.find(id);
    return found == amounts.end() ? 0 : found->second;
  }
  std::map<int32_t, uint8_t> states;
  std::map<int32_t, int32_t> amounts;
};

class CommandQueriesTest : public testing::Test {
protected:
  void SetUp() override { SetCommandStateSource(&map); }
  void TearDown() override { SetCommandStateSource(nullptr); }
  TestCommandMap map;
};

TEST_F(CommandQueriesTest, ActiveCommandsReadTheStateByte) {
  map.states[7] = 0x81;
  EXPECT_EQ(IsCommandActive(7), 0x81);
  EXPECT_EQ(IsCommandActive(8), 0);
}

TEST_F(CommandQueriesTest, FindFirstActiveCommandSearchesTheRangeInclusively) {
  map.states[12] = 1;
  map.states[9] = 1;
  EXPECT_EQ(FindFirstActiveCommand(5, 20), 9);
  EXPECT_EQ(FindFirstActiveCommand(10, 12), 12);
  EXPECT_EQ(FindFirstActiveCommand(13, 20), 0);
  EXPECT_EQ(FindFirstActiveCommand(10, 5), 0);
  map.states[INT32_MAX] = 1;
  EXPECT_EQ(FindFirstActiveCommand(INT32_MAX - 1, INT32_MAX), INT32_MAX);
}

TEST_F(CommandQueriesTest, PairValueTakesTheFirstNonZeroAmount) {
  map.amounts[3] = 0;
  map.amounts[4] = -100;
  EXPECT_EQ(GetCommandValue(4), -100);
  EXPECT_EQ(GetCommandPairValue(3, 4), -100);
  map.amounts[3] = 55;
  EXPECT_EQ(GetCommandPairValue(3, 4), 55);
}

TEST(CommandQueries, WithoutAMapEveryCommandIsOff) {
  EXPECT_EQ(IsCommandActive(2), 0);
  EXPECT_EQ(FindFirstActiveCommand(2, 58), 0);
  EXPECT_EQ(GetCommandPairValue(2, 3), 0);
}

}  // namespace
