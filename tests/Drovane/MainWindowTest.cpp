#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/Application.h"
#include "Drovane/MainWindow.h"
#include "Drovane/RecordingCommander.h"
#include "platform/Display.h"
#include "platform/MessageQueue.h"
#include "platform/NativeWindow.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

#include "Drovane/IdleApplication.h"

using namespace platform;

namespace {

class MainWindowTest : public testing::Test {
protected:
  void SetUp() override {
    gpApplication = &application;
    application.mFlags = kAppRunning | kAppActive;
    ClearMessageQueue();
    window = new MainWindow(640, 480, 0x1B, "Halvorine");
    ASSERT_NE(window->mWindow, kNoWindow);
    window->SetComander(&commander);
  }
  void TearDown() override {
    // Style switches enter and leave the desktop's full screen, which the window reports
    // through events of its own; none may reach the next test.
    std::vector<Message> pending;
    PumpNativeEvents(pending);
    delete window;
    PumpNativeEvents(pending);
    ReleaseCapture();
    ClearMessageQueue();
    gpApplication = nullptr;
  }

  // Posts a message to the window and runs the queue, as the message loop does.
  void Deliver(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
    PostMessage(window->mWindow, message, wParam, lParam);
    Message queued;
    while (PeekMessage(queued)) DispatchMessage(queued);
  }

  IdleApplication application;
  RecordingCommander commander;
  MainWindow* window = nullptr;
};

TEST_F(MainWindowTest, CreatesACentredWindowTitledAsAsked) {
  DesktopMode desktop = GetDesktopMode();
  int32_t left = desktop.width / 2 - 320;
  int32_t top = desktop.height / 2 - 240;
  EXPECT_EQ(GetWindowText(window->mWindow), "Halvorine");
  EXPECT_EQ(window->mInitialRect, (Rect{left, top, left + 640, top + 480}));
  EXPECT_EQ(GetWindowStyle(window->mWindow), static_cast<uint32_t>(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  int32_t width = 0, height = 0;
  EXPECT_EQ(window->GetClientSize(&width, &height), 0u);
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  EXPECT_EQ(window->Create(), 0x80000000u);  // the window exists already
}

struct RouteCase {
  const char* name;
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  std::vector<std::string> calls;
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }

class MainWindowRouteTest : public MainWindowTest, public testing::WithParamInterface<RouteCase> {};

TEST_P(MainWindowRouteTest, HandsTheMessageToTheCommander) {
  const RouteCase& c = GetParam();
  Deliver(c.message, c.wParam, c.lParam);
  EXPECT_EQ(commander.calls, c.calls);
  EXPECT_TRUE(IsWindow(window->mWindow));  // nothing here closes the window by itself
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MainWindowRouteTest,
    testing::Values(RouteCase{"KeyDown", WM_KEYDOWN, 'A', 1, {"KeyDown 65"}},
                    RouteCase{"KeyUp", WM_KEYUP, 'A', 1, {"KeyUp 65"}},
                    RouteCase{"Character", WM_CHAR, 'a', 1, {"Char 97"}},
                    RouteCase{"AltWithKey", WM_SYSKEYDOWN, 'X', kKeyAltHeld | 1, {"KeyDown 88"}},
                    RouteCase{"AltReleasedKey", WM_SYSKEYUP, 'X', kKeyAltHeld | 1, {"KeyUp 88"}},
                    RouteCase{"AltF4", WM_SYSKEYDOWN, VK_F4, kKeyAltHeld | 1, {"CloseRequest"}},
                    RouteCase{"AltF4Released", WM_SYSKEYUP, VK_F4, kKeyAltHeld | 1, {}},
                    RouteCase{"F10", WM_SYSKEYDOWN, VK_F10, 1, {"KeyDown 121"}},
                    RouteCase{"CloseBox", WM_CLOSE, 0, 0, {"CloseRequest"}},
                    RouteCase{"LeftDown", WM_LBUTTONDOWN, 0, MakeLParam(10, 20), {"LeftDown 10,20"}},
                    RouteCase{"LeftUp", WM_LBUTTONUP, 0, MakeLParam(639, 479), {"LeftUp 639,479"}},
                    RouteCase{"RightDown", WM_RBUTTONDOWN, 0, MakeLParam(1, 2), {"RightDown 1,2"}},
                    RouteCase{"RightUp", WM_RBUTTONUP, 0, MakeLParam(1, 2), {"RightUp 1,2"}},
                    RouteCase{"DragLeftOfThePicture", WM_LBUTTONUP, 0, MakeLParam(-5, 7), {"LeftUp -5,7"}},
                    RouteCase{"DragAboveThePicture", WM_MOUSEMOVE, 0, MakeLParam(3, -1), {"MouseMove 3,-1"}},
                    RouteCase{"FocusGained", WM_SETFOCUS, 0, 0, {"FocusLost"}},
                    RouteCase{"Activated", WM_ACTIVATE, WA_ACTIVE, 0, {"Activate"}},
                    RouteCase{"Deactivated", WM_ACTIVATE, WA_INACTIVE, 0, {"Deactivate"}},
                    RouteCase{"ApplicationActivated", WM_ACTIVATEAPP, 1, 0, {}},
                    RouteCase{"Moved", WM_MOVE, 0, 0, {}}),
    [](const testing::TestParamInfo<RouteCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ButtonsCaptureTheMouseUntilReleased) {
  Deliver(WM_LBUTTONDOWN, 0, MakeLParam(1, 1));
  EXPECT_EQ(GetCapture(), window->mWindow);
  Deliver(WM_LBUTTONUP, 0, MakeLParam(1, 1));
  EXPECT_EQ(GetCapture(), kNoWindow);
  Deliver(WM_RBUTTONDOWN, 0, MakeLParam(1, 1));
  EXPECT_EQ(GetCapture(), window->mWindow);
  Deliver(WM_RBUTTONUP, 0, MakeLParam(1, 1));
  EXPECT_EQ(GetCapture(), kNoWindow);
}

TEST_F(MainWindowTest, ApplicationActivationLeavesTheActiveBitAlone) {
  Deliver(WM_ACTIVATEAPP, 0, 0);
  EXPECT_EQ(application.mFlags, kAppRunning | kAppActive);
}

TEST_F(MainWindowTest, DestructionByTheDesktopEndsTheRun) {
  DestroyWindow(window->mWindow);
  EXPECT_EQ(window->mWindow, kNoWindow);
  EXPECT_EQ(application.mFlags & kAppRunning, 0u);
}

TEST_F(MainWindowTest, SizeIsPinnedToTheCreationSize) {
  MinMaxInfo limits;
  SendMessage(window->mWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&limits));
  EXPECT_EQ(limits.minTrackSize.x, 640);
  EXPECT_EQ(limits.minTrackSize.y, 480);
  EXPECT_EQ(limits.maxTrackSize.x, 640);
  EXPECT_EQ(limits.maxTrackSize.y, 480);
  EXPECT_EQ(limits.maxSize.x, 640);
  EXPECT_EQ(limits.maxPosition.x, window->mInitialRect.left);
  EXPECT_EQ(limits.maxPosition.y, window->mInitialRect.top);
}

TEST_F(MainWindowTest, LiveTuningMessageReloadsOncePerMessage) {
  uint32_t tuning = RegisterWindowMessage("VELKOTUNEBAY");
  int reloads = 0;
  window->SetLiveTuning(tuning, [&reloads] { ++reloads; });
  Deliver(tuning);
  EXPECT_EQ(reloads, 1);
  PostMessage(kBroadcastWindow, tuning, 0, 0);
  Deliver(WM_NULL);
  EXPECT_EQ(reloads, 2);
  EXPECT_EQ(SendMessage(window->mWindow, tuning, 0, 0), 0);
  EXPECT_EQ(reloads, 3);
  EXPECT_TRUE(commander.calls.empty());
}

TEST_F(MainWindowTest, PointerOverTheClientAreaIsTheArrow) {
  EXPECT_EQ(SendMessage(window->mWindow, WM_SETCURSOR, window->mWindow, MakeLParam(HTCLIENT, WM_MOUSEMOVE)), 1);
  EXPECT_EQ(window->mhCursor, LoadArrowCursor());
}

TEST_F(MainWindowTest, StyleSwitches) {
  window->SetFullScreenStyle();
  EXPECT_EQ(window->mStyleFlags, 0u);
  EXPECT_EQ(GetWindowStyle(window->mWindow), static_cast<uint32_t>(WS_POPUP | WS_VISIBLE));
  EXPECT_EQ(window->mInitialRect, (Rect{0, 0, 640, 480}));

  window->SetWindowedStyle();
  uint32_t style = GetWindowStyle(window->mWindow);
  EXPECT_EQ(style & WS_POPUP, 0u);
  EXPECT_EQ(style & (WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX),
            static_cast<uint32_t>(WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX));
  Rect centred{0, 0, 640, 480};
  window->CenterRectOnScreen(centred);
  EXPECT_EQ(window->mInitialRect, centred);
  EXPECT_EQ(GetClientRect(window->mWindow), (Rect{0, 0, 640, 480}));
}

TEST_F(MainWindowTest, ScreenRectsFollowTheWindow) {
  window->UpdateScreenRects();
  EXPECT_EQ(window->mWindowRect.Width(), 640);
  EXPECT_EQ(window->mClientScreenRect, window->mWindowRect);
}

struct StyleCase {
  uint32_t flags;
  uint32_t style;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << "flags " << c.flags; }

class MainWindowStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(MainWindowStyleTest, StyleFromTheFlags) { EXPECT_EQ(MainWindowStyle(GetParam().flags), GetParam().style); }

INSTANTIATE_TEST_SUITE_P(
    Flags, MainWindowStyleTest,
    testing::Values(StyleCase{0, WS_POPUP}, StyleCase{0x1B, WS_OVERLAPPEDWINDOW}, StyleCase{4, WS_BORDER},
                    StyleCase{5, WS_THICKFRAME}, StyleCase{2, WS_POPUP | WS_CAPTION},
                    StyleCase{8, WS_POPUP | WS_CAPTION | WS_SYSMENU},
                    StyleCase{16, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX}));

TEST(MainWindowLife, DeletingTheObjectDestroysTheWindowSilently) {
  RecordingCommander commander;
  auto* window = new MainWindow(320, 200, 0, nullptr);
  window->SetComander(&commander);
  WindowHandle handle = window->mWindow;
  EXPECT_EQ(GetWindowText(handle), "");
  delete window;
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(commander.calls.empty());
  EXPECT_EQ(commander.mpWindow, nullptr);
}

}  // namespace
