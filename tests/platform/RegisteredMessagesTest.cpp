#include <gtest/gtest.h>

#include "platform/RegisteredMessages.h"

namespace {

TEST(RegisteredMessagesTest, SameNameGivesTheSameId) {
  uint32_t tuning = platform::RegisterWindowMessage("VELKOTUNEBAY");
  EXPECT_GE(tuning, 0xC000u);
  EXPECT_EQ(platform::RegisterWindowMessage("velkotunebay"), tuning);
  EXPECT_NE(platform::RegisterWindowMessage("another"), tuning);
  EXPECT_EQ(platform::RegisterWindowMessage(""), 0u);
}

}  // namespace
