#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <future>
#include <thread>

#include "platform/Desktop.h"
#include "platform/MainThreadCalls.h"
#include "platform/MessageBox.h"
#include "platform/MessageQueue.h"

namespace {

TEST(MessageBox, ButtonSetsInOrder) {
  using namespace platform;
  EXPECT_EQ(MessageBoxButtons(MB_OK | MB_ICONEXCLAMATION), (std::vector<int>{IDOK}));
  EXPECT_EQ(MessageBoxButtons(MB_ABORTRETRYIGNORE), (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
  EXPECT_EQ(MessageBoxButtons(MB_YESNO), (std::vector<int>{IDYES, IDNO}));
}

TEST(MessageBox, WithoutDisplayAnswersTheFirstButtonOnStderr) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_FALSE(platform::HasDesktopDisplay());
  testing::internal::CaptureStderr();
  int answer = platform::ShowMessageBox("Disk full", "Trouble", platform::MB_ABORTRETRYIGNORE);
  EXPECT_EQ(answer, platform::IDABORT);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Trouble: Disk full\n");
}

}  // namespace

namespace {

// A box asked for on another thread is answered on the main thread, while the main thread
// reads its message queue, and the asking thread gets the answer.
TEST(MessageBox, AskedOffTheMainThreadIsShownByTheMainThread) {
  using namespace platform;
  ASSERT_TRUE(OnMainThread());
  bool shownOnMainThread = false;
  SetMessageBoxHandler([&](const std::string& text, const std::string&, uint32_t) {
    shownOnMainThread = OnMainThread() && text == "Unable to load resources\n";
    return IDIGNORE;
  });
  std::atomic<int> answer{0};
  std::thread asking([&] { answer = ShowMessageBox("Unable to load resources\n", "Program Error",
                                                   MB_ABORTRETRYIGNORE); });
  Message message;
  while (answer == 0) {
    while (PeekMessage(message)) {
    }
    std::this_thread::yield();
  }
  asking.join();
  SetMessageBoxHandler({});
  ClearMessageQueue();
  EXPECT_EQ(answer, IDIGNORE);
  EXPECT_TRUE(shownOnMainThread);
  EXPECT_FALSE(std::async(std::launch::async, [] { return OnMainThread(); }).get());
}

}  // namespace
