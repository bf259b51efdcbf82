#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Desktop.h"
#include "platform/MessageBox.h"

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
