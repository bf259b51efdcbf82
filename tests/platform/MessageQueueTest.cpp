#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <vector>

#include "platform/MessageQueue.h"
#include "platform/QuitSignals.h"
#include "platform/UserSignal.h"

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

INSTANTIATE_TEST_SUITE_P(InterruptTerminateHangUp, QuitSignalTest, testing::Values(SIGINT, SIGTERM, SIGHUP));

TEST_P(QuitSignalTest, SecondSignalWhileTheFirstIsPendingEndsTheProcess) {
  EXPECT_EXIT(
      {
        InstallQuitSignalHandlers();
        std::raise(GetParam());  // nobody reads the queue: a stalled start-up
        std::raise(GetParam());
        std::exit(0);
      },
      testing::ExitedWithCode(128 + GetParam()), "");
}

TEST_F(MessageQueueTest, UserSignalIsDroppedWhileNothingIsRouted) {
  InstallUserSignalHandler();
  RouteUserSignal(kNoWindow, 0);
  std::raise(SIGUSR1);  // the process lives on
  EXPECT_TRUE(DrainMessageNumbers().empty());
  EXPECT_TRUE(TakeDroppedUserSignal());
  EXPECT_FALSE(TakeDroppedUserSignal());

  RouteUserSignal(3, 0xC123);
  std::raise(SIGUSR1);
  Message message;
  ASSERT_TRUE(PeekMessage(message));
  EXPECT_EQ(message.window, 3u);
  EXPECT_EQ(message.message, 0xC123u);
  EXPECT_FALSE(TakeDroppedUserSignal());

  RouteUserSignal(kNoWindow, 0);  // routing stops; the handler stays
  std::raise(SIGUSR1);
  EXPECT_TRUE(DrainMessageNumbers().empty());
  EXPECT_TRUE(TakeDroppedUserSignal());
}

}  // namespace
