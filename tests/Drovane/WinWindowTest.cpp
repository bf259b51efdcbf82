#include <gtest/gtest.h>

#include "Drovane/Application.h"
#include "Drovane/Comander.h"
#include "Drovane/RecordingCommander.h"
#include "Drovane/WinWindow.h"
#include "platform/Window.h"

#include "Drovane/IdleApplication.h"

using namespace platform;

namespace {

// A top-level window answered by the base handler alone.
class WinWindowTest : public testing::Test {
protected:
  void SetUp() override {
    gpApplication = &application;
    if (!IsWindowClassRegistered(kWindowClassName)) RegisterWindowClass(kWindowClassName, WinWindowProc);
    window.mWindow = CreateWindow(kWindowClassName, "base", WS_POPUP, {0, 0, 100, 80});
    SetWindowUserData(window.mWindow, &window);
    window.SetComander(&commander);
  }
  void TearDown() override {
    ReleaseCapture();
    gpApplication = nullptr;
  }

  IdleApplication application;
  RecordingCommander commander;
  WinWindow window;
};

TEST_F(WinWindowTest, ActivationGoesToTheCommander) {
  SendMessage(window.mWindow, WM_ACTIVATE, WA_ACTIVE, 0);
  SendMessage(window.mWindow, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(commander.calls, (std::vector<std::string>{"Activate", "Deactivate"}));
}

TEST_F(WinWindowTest, ApplicationActivationSetsAndClearsTheActiveBit) {
  SendMessage(window.mWindow, WM_ACTIVATEAPP, 1, 0);
  EXPECT_EQ(application.mFlags, kAppRunning | kAppActive);
  SendMessage(window.mWindow, WM_ACTIVATEAPP, 0, 0);
  EXPECT_EQ(application.mFlags, kAppRunning);
}

TEST_F(WinWindowTest, ButtonsHoldTheirBitsAndTheCapture) {
  SendMessage(window.mWindow, WM_LBUTTONDOWN, 0, MakeLParam(4, 5));
  EXPECT_EQ(application.mFlags & kAppLeftButtonHeld, kAppLeftButtonHeld);
  EXPECT_EQ(GetCapture(), window.mWindow);
  SendMessage(window.mWindow, WM_RBUTTONDOWN, 0, MakeLParam(4, 5));
  EXPECT_EQ(application.mFlags & kAppRightButtonHeld, kAppRightButtonHeld);
  SendMessage(window.mWindow, WM_LBUTTONUP, 0, MakeLParam(-2, 5));
  SendMessage(window.mWindow, WM_RBUTTONUP, 0, MakeLParam(4, 5));
  EXPECT_EQ(application.mFlags, kAppRunning);
  EXPECT_EQ(GetCapture(), kNoWindow);
  EXPECT_EQ(commander.calls,
            (std::vector<std::string>{"MouseDown 4,5", "MouseDown 4,5", "MouseUp -2,5", "MouseUp 4,5"}));
}

TEST_F(WinWindowTest, KeysAndMovesGoToTheCommander) {
  SendMessage(window.mWindow, WM_KEYDOWN, 'K', 3);
  SendMessage(window.mWindow, WM_MOUSEMOVE, 0, MakeLParam(7, 8));
  EXPECT_EQ(commander.calls, (std::vector<std::string>{"KeyDownData 75,3", "MouseMove 7,8"}));
}

TEST_F(WinWindowTest, CloseEndsTheRunAndDestroysTheWindow) {
  WindowHandle handle = window.mWindow;
  SendMessage(handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(application.mFlags & kAppRunning, 0u);
  EXPECT_EQ(window.mWindow, kNoWindow);
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(WinWindowTest, ClientSizeNeedsAWindowAndBothPointers) {
  int32_t width = -1, height = -1;
  EXPECT_EQ(window.GetClientSize(&width, nullptr), 0x80000000u);
  WinWindow empty;
  EXPECT_EQ(empty.GetClientSize(&width, &height), 0x80000000u);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
}

TEST_F(WinWindowTest, ArrowPointerSucceedsEvenAsTheFirstPointer) {
  EXPECT_EQ(window.SetCursorResource(0), 0u);
  EXPECT_EQ(window.SetCursorResource(0), 0u);
  EXPECT_EQ(window.mhCursor, LoadArrowCursor());
  EXPECT_EQ(window.SetCursorResource(131), 0x80000007u);
  EXPECT_EQ(window.mhCursor, nullptr);
}

TEST_F(WinWindowTest, SetComanderBindsOnceAndUnbindsThePrevious) {
  RecordingCommander other;
  EXPECT_EQ(window.SetComander(&commander), nullptr);  // already bound: nothing changes
  EXPECT_EQ(commander.mpWindow, &window);
  EXPECT_EQ(window.SetComander(&other), &commander);
  EXPECT_EQ(commander.mpWindow, nullptr);
  EXPECT_EQ(other.mpWindow, &window);
  window.SetComander(&commander);  // the window must not outlive its receiver
}

TEST(Comander, SetWindowReturnsThePreviousWindowOnce) {
  Comander commander;
  WinWindow first, second;
  EXPECT_EQ(commander.SetWindow(&first), nullptr);
  EXPECT_EQ(commander.SetWindow(&first), nullptr);
  EXPECT_EQ(commander.SetWindow(&second), &first);
  EXPECT_EQ(commander.mpWindow, &second);
}

TEST(Comander, ActivationWithoutAWindowDoesNothing) {
  Comander commander;
  EXPECT_EQ(commander.mpWindow, nullptr);
  EXPECT_EQ(commander.Activate(), 0);
  EXPECT_EQ(commander.mpWindow, nullptr);
}

TEST(Comander, DefaultsIgnoreInputAndActivationShowsTheArrow) {
  Comander commander;
  WinWindow window;
  commander.SetWindow(&window);
  EXPECT_EQ(commander.OnKeyDown(65, 1), 0);
  EXPECT_EQ(commander.OnMouseDown(1, 2), 0);
  EXPECT_EQ(commander.OnMouseUp(1, 2), 0);
  EXPECT_EQ(commander.OnMouseMove(1, 2), 0);
  EXPECT_EQ(commander.Deactivate(), 0);
  EXPECT_EQ(commander.OnCloseRequest(), 0);
  EXPECT_EQ(window.mhCursor, nullptr);
  EXPECT_EQ(commander.Activate(), 0);
  EXPECT_EQ(window.mhCursor, LoadArrowCursor());
}

}  // namespace
