#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/Display.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"

using namespace platform;

namespace {

struct Received {
  WindowHandle window;
  uint32_t message;
};

std::vector<Received> gReceived;

intptr_t RecordingProcedure(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  gReceived.push_back({window, message});
  if (message == WM_GETMINMAXINFO) {
    auto* limits = reinterpret_cast<MinMaxInfo*>(lParam);
    limits->minTrackSize = {320, 240};
    limits->maxTrackSize = {320, 240};
  }
  return DefWindowProc(window, message, wParam, lParam);
}

class WindowTest : public testing::Test {
protected:
  void SetUp() override {
    RegisterWindowClass("TestClass", RecordingProcedure);
    ClearMessageQueue();
    gReceived.clear();
  }
  void TearDown() override {
    for (WindowHandle window : mWindows) DestroyWindow(window);
    ClearMessageQueue();
  }

  WindowHandle Make(const std::string& title = "Test") {
    WindowHandle window = CreateWindow("TestClass", title, WS_OVERLAPPEDWINDOW, {100, 50, 420, 290});
    mWindows.push_back(window);
    return window;
  }

  std::vector<uint32_t> ReceivedBy(WindowHandle window) const {
    std::vector<uint32_t> messages;
    for (const Received& received : gReceived) {
      if (received.window == window) messages.push_back(received.message);
    }
    return messages;
  }

  std::vector<WindowHandle> mWindows;
};

TEST_F(WindowTest, UnknownClassMakesNoWindow) {
  EXPECT_EQ(CreateWindow("NoSuchClass", "x", 0, {0, 0, 10, 10}), kNoWindow);
}

TEST_F(WindowTest, KeepsTitleStyleAndObjectLink) {
  WindowHandle window = Make("Halvorine");
  ASSERT_NE(window, kNoWindow);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(GetWindowText(window), "Halvorine");
  EXPECT_EQ(GetWindowStyle(window), static_cast<uint32_t>(WS_OVERLAPPEDWINDOW));
  int object = 0;
  SetWindowUserData(window, &object);
  EXPECT_EQ(GetWindowUserData(window), &object);
  EXPECT_EQ(GetClientRect(window), (Rect{0, 0, 320, 240}));
}

TEST_F(WindowTest, QueuedMessagesReachTheirWindow) {
  WindowHandle first = Make();
  WindowHandle second = Make();
  PostMessage(first, WM_KEYDOWN, 'A', 1);
  PostMessage(second, WM_CHAR, 'a', 1);
  PostMessage(kBroadcastWindow, WM_NULL, 0, 0);
  Message message;
  while (PeekMessage(message)) DispatchMessage(message);
  EXPECT_EQ(ReceivedBy(first), (std::vector<uint32_t>{WM_KEYDOWN, WM_NULL}));
  EXPECT_EQ(ReceivedBy(second), (std::vector<uint32_t>{WM_CHAR, WM_NULL}));
}

TEST_F(WindowTest, DestroyingSendsDestroyOnceAndDropsLaterMessages) {
  WindowHandle window = Make();
  SetCapture(window);
  PostMessage(window, WM_KEYDOWN, 'A', 1);
  DestroyWindow(window);
  DestroyWindow(window);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(GetCapture(), kNoWindow);
  Message message;
  while (PeekMessage(message)) DispatchMessage(message);
  EXPECT_EQ(ReceivedBy(window), std::vector<uint32_t>{WM_DESTROY});
}

TEST_F(WindowTest, DefaultHandlingOfCloseDestroysTheWindow) {
  WindowHandle window = Make();
  SendMessage(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(ReceivedBy(window), (std::vector<uint32_t>{WM_CLOSE, WM_DESTROY}));
}

TEST_F(WindowTest, ShowingAsksForTheSizeLimits) {
  WindowHandle window = Make();
  ShowWindow(window);
  EXPECT_EQ(ReceivedBy(window), std::vector<uint32_t>{WM_GETMINMAXINFO});
  EXPECT_TRUE(GetWindowStyle(window) & WS_VISIBLE);
}

TEST_F(WindowTest, CaptureFollowsTheLastWindow) {
  WindowHandle first = Make();
  WindowHandle second = Make();
  SetCapture(first);
  EXPECT_EQ(GetCapture(), first);
  SetCapture(second);
  EXPECT_EQ(GetCapture(), second);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), kNoWindow);
}

TEST_F(WindowTest, FullScreenKeepsThePictureSize) {
  WindowHandle window = Make();
  SetWindowFullScreen(window, true);
  EXPECT_EQ(GetClientRect(window), (Rect{0, 0, 320, 240}));
  SetWindowBounds(window, {0, 0, 640, 480});
  EXPECT_EQ(GetClientRect(window), (Rect{0, 0, 640, 480}));
  SetWindowFullScreen(window, false);
}

TEST_F(WindowTest, DesktopReportsRoomForAWindowAt8Bits) {
  DesktopMode desktop = GetDesktopMode();
  EXPECT_GT(desktop.width, 640);
  EXPECT_GT(desktop.height, 480);
  EXPECT_EQ(desktop.bitsPerPixel, 8);
}

// The whole road from the display's event queue to the window's procedure.
TEST_F(WindowTest, DisplayEventsArriveAsMessages) {
  WindowHandle window = Make();
  if (!InitializeVideo()) GTEST_SKIP() << "no video driver";
  SDL_Event event{};
  event.key.type = SDL_KEYDOWN;
  event.key.state = SDL_PRESSED;
  event.key.keysym.scancode = SDL_SCANCODE_B;
  event.key.keysym.sym = SDLK_b;
  ASSERT_EQ(SDL_PushEvent(&event), 1);
  Message message;
  bool found = false;
  while (PeekMessage(message)) {
    if (message.message == WM_KEYDOWN && message.wParam == 'B' && message.window == window) found = true;
  }
  EXPECT_TRUE(found);
}

}  // namespace

// The game can exit while a window is still open (an error path, or a tool that never closes its
// window): the window tables are then torn down with the program and must not free anything twice.
TEST(WindowExitTest, ExitingWithAWindowOpenIsClean) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        RegisterWindowClass("ExitClass", DefWindowProc);
        CreateWindow("ExitClass", "Left open", WS_OVERLAPPEDWINDOW, {0, 0, 64, 48});
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}
