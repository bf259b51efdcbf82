#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <vector>

#include "platform/MessageQueue.h"
#include "platform/QuitSignals.h"

using namespace platform;

namespace {

class MessageQueueTest : public testing::Test {
protected:
  void SetUp() override { ClearMessageQueue(); }
  void TearDown() override { ClearMessageQueue(); }

  std::vector<uint32_t> DrainMessageNumbers() {
    std::vector<uint32_t> numbers;
    Message message;
    while (PeekMessage(message)) numbers.push_back(message.message);
    return numbers;
  }
};

TEST_F(MessageQueueTest, MessagesComeOutInOrderWithTheQuitMessageInItsPlace) {
  PostMessage(5, WM_KEYDOWN, 'A', 1);
  PostQuitMessage(7);
  PostMessage(5, WM_CHAR, 'a', 1);

  Message message;
  ASSERT_TRUE(PeekMessage(message));
  EXPECT_EQ(message.window, 5u);
  EXPECT_EQ(message.message, WM_KEYDOWN);
  EXPECT_EQ(message.wParam, 'A');
  ASSERT_TRUE(PeekMessage(message));
  EXPECT_EQ(message.message, WM_QUIT);
  EXPECT_EQ(message.wParam, 7u);
  EXPECT_EQ(message.window, kNoWindow);
  ASSERT_TRUE(PeekMessage(message));
  EXPECT_EQ(message.message, WM_CHAR);
  EXPECT_FALSE(PeekMessage(message));
}

TEST_F(MessageQueueTest, OtherThreadsPostThroughTheSameQueue) {
  std::thread poster([] {
    for (uint32_t i = 0; i < 100; ++i) PostMessage(1, WM_NULL, i, 0);
  });
  poster.join();
  Message message;
  for (uintptr_t i = 0; i < 100; ++i) {
    ASSERT_TRUE(PeekMessage(message));
    EXPECT_EQ(message.wParam, i);
  }
  EXPECT_FALSE(PeekMessage(message));
}

class QuitSignalTest : public MessageQueueTest, public testing::WithParamInterface<int> {};

TEST_P(QuitSignalTest, SignalPostsTheQuitMessageBehindWhatIsQueued) {
  InstallQuitSignalHandlers();
  PostMessage(1, WM_KEYDOWN, 'A', 1);
  std::raise(GetParam());
  EXPECT_EQ(DrainMessageNumbers(), (std::vector<uint32_t>{WM_KEYDOWN, WM_QUIT}));
  EXPECT_FALSE(TakeQuitSignal());
}

INSTANTIATE_TEST_SUITE_P(InterruptAndTerminate, QuitSignalTest, testing::Values(SIGINT, SIGTERM));

}  // namespace
