#include <gtest/gtest.h>

#include "platform/RegisteredMessages.h"
#include "platform/WindowMessages.h"

namespace {

TEST(RegisteredMessagesTest, SameNameGivesTheSameId) {
  uint32_t tuning = platform::RegisterWindowMessage("VELKOTUNEBAY");
  EXPECT_GE(tuning, platform::kFirstRegisteredMessage);
  EXPECT_LE(tuning, platform::kLastRegisteredMessage);
  EXPECT_EQ(platform::RegisterWindowMessage("velkotunebay"), tuning);
  EXPECT_NE(platform::RegisterWindowMessage("another"), tuning);
  EXPECT_EQ(platform::RegisterWindowMessage(""), 0u);
}

}  // namespace
