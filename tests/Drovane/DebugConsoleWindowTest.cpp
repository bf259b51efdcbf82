#include <gtest/gtest.h>

#include "Drovane/DebugConsole.h"
#include "imagefiles/GamePalette.h"
#include "platform/MessageQueue.h"
#include "platform/SystemPalette.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "support/ImageCheck.h"

using namespace platform;

namespace {

// A console with its window, 200 x 200 pixels, driven through the window's messages.
class DebugConsoleWindowTest : public testing::Test {
protected:
  void SetUp() override {
    ResetSystemPalette();
    ASSERT_EQ(console.CreateConsoleWindow("Debug Window"), 1);
    window = console.Window();
    SetWindowBounds(window, {640, 0, 840, 200});
    SendMessage(window, WM_SIZE, 0, 0);
  }
  void TearDown() override { ClearMessageQueue(); }

  void Type(const std::string& text) {
    for (char c : text) SendMessage(window, WM_CHAR, static_cast<uint8_t>(c), 0);
  }
  void Key(uintptr_t key) { SendMessage(window, WM_KEYDOWN, key, 0); }
  void AddLines(int count) {
    for (int i = 0; i < count; ++i) console.AddLine("line " + std::to_string(i) + "\n");
  }

  DebugConsole console;
  WindowHandle window = kNoWindow;
};

TEST(DebugConsoleBoundsTest, StandsRightOfTheGameOrAt540) {
  EXPECT_EQ(ConsoleWindowBounds(1024, 768), (Rect{640, 0, 1024, 768}));
  EXPECT_EQ(ConsoleWindowBounds(641, 480), (Rect{640, 0, 641, 480}));
  EXPECT_EQ(ConsoleWindowBounds(640, 480), (Rect{540, 0, 640, 480}));
}

TEST_F(DebugConsoleWindowTest, IsMadeOnceHiddenAndShownOrHiddenWithTheConsole) {
  EXPECT_EQ(console.CreateConsoleWindow("again"), 0);
  EXPECT_EQ(GetWindowText(window), "Debug Window");
  EXPECT_FALSE(GetWindowStyle(window) & WS_VISIBLE);
  console.Show();
  EXPECT_TRUE(GetWindowStyle(window) & WS_VISIBLE);
  SendMessage(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(GetWindowStyle(window) & WS_VISIBLE);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(console.IsShown());
}

TEST_F(DebugConsoleWindowTest, HelpTypedWithEnterAddsTheFourLines) {
  Type("helo");
  SendMessage(window, WM_CHAR, '\b', 0);
  Type("p");
  EXPECT_EQ(console.InputText(), "help");
  EXPECT_TRUE(console.Log().empty());
  Type("\r");
  EXPECT_EQ(std::vector<std::string>(console.Log().begin(), console.Log().end()),
            (std::vector<std::string>{">help", "Current Commands:", "help", "*****************"}));
  EXPECT_EQ(console.InputText(), "");
}

TEST_F(DebugConsoleWindowTest, TheViewFollowsTheNewestLineUntilScrolledUp) {
  AddLines(100);
  const int32_t maximum = console.ScrollMaximum();
  EXPECT_GT(maximum, 80);
  EXPECT_EQ(console.ScrollPosition(), maximum);
  AddLines(1);
  EXPECT_EQ(console.ScrollPosition(), maximum + 1);
  Key(VK_PRIOR);
  EXPECT_EQ(console.ScrollPosition(), maximum + 1 - 10);
  AddLines(1);
  EXPECT_EQ(console.ScrollPosition(), maximum + 1 - 10);
  EXPECT_EQ(console.ScrollMaximum(), maximum + 2);
  Key(VK_UP);
  EXPECT_EQ(console.ScrollPosition(), maximum - 10);
  Key(VK_NEXT);
  Key(VK_DOWN);
  EXPECT_EQ(console.ScrollPosition(), maximum + 1);
  SendMessage(window, WM_VSCROLL, SB_THUMBTRACK | 5u << 16, 0);
  EXPECT_EQ(console.ScrollPosition(), 5);
  SendMessage(window, WM_VSCROLL, SB_THUMBPOSITION | 60000u << 16, 0);
  EXPECT_EQ(console.ScrollPosition(), 0);
  for (int i = 0; i < 3; ++i) Key(VK_PRIOR);
  EXPECT_EQ(console.ScrollPosition(), 0);
}

// The picture's rows: text in black on white, the bar and the input line.
TEST_F(DebugConsoleWindowTest, PaintedRowsHaveChecksumsOfTheirOwn) {
  console.AddLine("Halvorine Startup...\n");
  console.AddLine("caf\xE9 \x80 5");
  Type("hel");
  SendMessage(window, WM_PAINT, 0, 0);
  WindowPicture picture;
  ASSERT_TRUE(GetWindowPicture(window, picture));
  ASSERT_EQ(picture.size, (Point{200, 200}));
  EXPECT_EQ(picture.colours[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(picture.colours[255], (Rgb{255, 255, 255}));
  const FrameView frame{picture.pixels.data(), 200, 200, 200};
  // The bar: the whole track is the thumb while everything fits.
  EXPECT_EQ(picture.pixels[10 * 200 + 195], 248);
  // The rule above the input line.
  EXPECT_EQ(picture.pixels[175 * 200 + 10], 0);
  EXPECT_TRUE(MatchesTextChecksum(frame, GamePalette(), "debug_console_window", 0x25FBA569));
}

}  // namespace
