#include <gtest/gtest.h>

#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/ScreenBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/DisplayResolution.h"
#include "platform/Clock.h"
#include "platform/MemoryDisplay.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "shell/CommandTable.h"
#include "shell/GameApp.h"
#include "shell/GameCommander.h"
#include "support/IsolatedFiles.h"

using namespace platform;

namespace {

// Writes down what a window of the tree was given.
class InputWindow : public GraphicWindow {
public:
  InputWindow(GraphicWindow* parent, std::vector<std::vector<int32_t>>& log)
      : GraphicWindow({100, 100, 200, 200}, 5, parent, nullptr, 1), mLog(log) {
    AddToInputList(this);
  }
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override { return Log({1, int32_t(key), int32_t(flags)}); }
  int32_t OnKeyUp(uint32_t key, uint32_t flags) override { return Log({2, int32_t(key), int32_t(flags)}); }
  int32_t OnChar(uint32_t character) override { return Log({3, int32_t(character)}); }
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override { return Log({4, x, y, buttons}); }
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override { return Log({5, x, y, buttons}); }

private:
  int32_t Log(std::vector<int32_t> entry) {
    mLog.push_back(std::move(entry));
    return 1;
  }
  std::vector<std::vector<int32_t>>& mLog;
};

// An application that tries a toggle from inside a switch.
class NestingApp : public CGameApp {
public:
  int32_t CreateDisplayBuffers() override {
    nestedResults.push_back(ToggleScreenMode());
    return CGameApp::CreateDisplayBuffers();
  }
  std::vector<int32_t> nestedResults;
};

class GameAppWindowsTest : public testing::Test {
protected:
  void SetUp() override {
    SetClockSource(&clock);
    ClearMessageQueue();
  }
  void TearDown() override {
    if (app && app->mpMainWindow) app->FinishGame();
    app.reset();
    EXPECT_TRUE(GraphicWindow::listValidWindows.empty());
    ClearMessageQueue();
    SetClockSource(nullptr);
  }

  // A prepared game in a window (or full screen) on a desktop with room for a window.
  void Prepare(const char* commandLine, std::unique_ptr<CGameApp> made = nullptr) {
    StoreCommandLine(commandLine);
    app = made ? std::move(made) : std::make_unique<CGameApp>();
    app->mDesktopMode = {1024, 768, 8};
    gpApplication = app.get();
    ASSERT_EQ(app->Startup(), 0u);
    ASSERT_EQ(app->PrepareGame(), 0u);
    app->mModeStack = {kModeStartup};
  }
  MemoryDisplayDevice& Display() { return *dynamic_cast<MemoryDisplayDevice*>(lpDD); }

  // True when the whole picture presented in the window is black.
  bool ShowsBlack() {
    app->mpScreenBuffer->Swap(app->mpMainWindow, 0, 0);
    WindowPicture shown;
    if (!GetWindowPicture(app->mpMainWindow->mWindow, shown) || shown.pixels.empty()) return false;
    for (uint8_t pixel : shown.pixels) {
      if (shown.colours[pixel] != Rgb{0, 0, 0}) return false;
    }
    return true;
  }

  IsolatedFiles files;
  ManualClock clock;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppWindowsTest, StartUpSetsTheColourKeyAndTheResolution) {
  gResolution = 3;
  GraphicWindow::defaultTransparentIndex = -1;
  Prepare("-w");
  EXPECT_EQ(gResolution, 1);
  EXPECT_EQ(GraphicWindow::defaultTransparentIndex, 254);
  EXPECT_EQ(app->mSwitching, 0);
  EXPECT_EQ(theWindowManager, &app->mWindowManager);
}

TEST_F(GameAppWindowsTest, TheScreenHasARootContainerAndATextStrip) {
  Prepare("-w");
  ContainerWindow* root = app->mpRootWindow;
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(theRootWindow, root);
  EXPECT_EQ(app->mWindowManager.mpRootWindow, root);
  EXPECT_EQ(root->mRect, (Rect{0, 0, 640, 480}));
  EXPECT_EQ(root->mpImage, app->mpScreenBuffer);
  EXPECT_EQ(root->mOwnsImage, 0);
  EXPECT_EQ(root->mpNotify, static_cast<CommandReceiver*>(app.get()));
  ASSERT_NE(app->mpTextStrip, nullptr);
  EXPECT_EQ(app->mpTextStrip->mWidth, 640);
  EXPECT_EQ(app->mpTextStrip->mHeight, 48);
  EXPECT_EQ(app->DoCommand(root, 2001, 1001, 0), 0);

  new GraphicWindow({0, 0, 10, 10}, 1, root, nullptr, 1);
  EXPECT_EQ(app->FinishGame(), 0u);
  EXPECT_EQ(app->mpRootWindow, nullptr);
  EXPECT_EQ(theRootWindow, nullptr);
  EXPECT_EQ(app->mpTextStrip, nullptr);
  EXPECT_TRUE(GraphicWindow::listValidWindows.empty());
}

TEST_F(GameAppWindowsTest, AWindowLeftOutOfTheTreeGoesWithTheScreen) {
  Prepare("-w");
  new GraphicWindow({0, 0, 10, 10}, 1, nullptr, nullptr, 1);
  EXPECT_EQ(app->DestroyScreenBuffer(), 1);
  EXPECT_TRUE(GraphicWindow::listValidWindows.empty());
}

TEST_F(GameAppWindowsTest, KeysCharactersAndClicksReachAWindowOfTheTree) {
  Prepare("-w");
  std::vector<std::vector<int32_t>> log;
  new InputWindow(app->mpRootWindow, log);
  GameCommander commander;
  commander.SetApplication(app.get());
  commander.OnKeyDown('A');
  commander.OnKeyUp('A');
  commander.OnChar('a');
  commander.OnRightButtonDown(150, 160);
  commander.OnRightButtonUp(151, 161);
  commander.OnLeftButtonDown(110, 120);
  EXPECT_EQ(log, (std::vector<std::vector<int32_t>>{
                     {1, 'A', 0}, {2, 'A', 0}, {3, 'a'}, {4, 50, 60, 2}, {5, 51, 61, 2}, {4, 10, 20, 1}}));
}

TEST_F(GameAppWindowsTest, AlreadyWindowedChangesNothing) {
  Prepare("-w");
  DisplaySurface* front = app->mpScreenBuffer->mpFrontSurface;
  Display().cooperativeFlags = 0;
  EXPECT_EQ(app->SwitchToWindowedMode(), 1);
  EXPECT_EQ(app->mpScreenBuffer->mpFrontSurface, front);
  EXPECT_EQ(Display().cooperativeFlags, 0u);
  EXPECT_EQ(app->mWindowed, 1);
}

TEST_F(GameAppWindowsTest, ADesktopWithoutRoomRefusesTheWindow) {
  Prepare("");
  ASSERT_EQ(app->mWindowed, 0);
  app->mDesktopMode = {640, 480, 8};
  EXPECT_EQ(app->SwitchToWindowedMode(), 0);
  EXPECT_EQ(app->ToggleScreenMode(), 0);
  EXPECT_EQ(app->mWindowed, 0);
  EXPECT_EQ(app->SwitchToFullScreenMode(), 1);
}

TEST_F(GameAppWindowsTest, TheCommandSwitchesEachWayAndTheScreenStaysBlack) {
  Prepare("-w");
  ASSERT_TRUE(app->mCommandTable.HasRow(kCommandToggleFullScreen));
  ASSERT_TRUE(ShowsBlack());
  WindowHandle window = app->mpMainWindow->mWindow;

  app->ExecuteCommand(kCommandToggleFullScreen);
  EXPECT_EQ(app->mWindowed, 0);
  EXPECT_EQ(Display().cooperativeFlags, kCooperativeExclusive | kCooperativeFullScreen);
  EXPECT_EQ(app->mpScreenBuffer->mWindowed, 0);
  EXPECT_EQ(GetWindowStyle(window) & WS_POPUP, static_cast<uint32_t>(WS_POPUP));
  EXPECT_EQ(app->mpScreenBuffer->mWidth, 640);
  EXPECT_EQ(app->mpScreenBuffer->mHeight, 480);
  EXPECT_NE(app->mpTextStrip, nullptr);
  EXPECT_EQ(app->mpRootWindow->mpImage, app->mpScreenBuffer);
  EXPECT_TRUE(ShowsBlack());

  app->ExecuteCommand(kCommandToggleFullScreen);
  EXPECT_EQ(app->mWindowed, 1);
  EXPECT_EQ(Display().cooperativeFlags, kCooperativeNormal);
  EXPECT_EQ(GetWindowStyle(window) & WS_CAPTION, static_cast<uint32_t>(WS_CAPTION));
  EXPECT_EQ(app->mSwitching, 0);
  EXPECT_TRUE(ShowsBlack());
}

TEST_F(GameAppWindowsTest, AToggleFromInsideASwitchIsRefused) {
  auto nesting = std::make_unique<NestingApp>();
  NestingApp* raw = nesting.get();
  Prepare("-w", std::move(nesting));
  raw->nestedResults.clear();
  EXPECT_EQ(app->ToggleScreenMode(), 1);
  EXPECT_EQ(raw->nestedResults, std::vector<int32_t>{0});
  EXPECT_EQ(app->mWindowed, 0);
}

TEST_F(GameAppWindowsTest, ARefusedCooperativeLevelBringsBackThePreviousMode) {
  Prepare("-w");
  auto* child = new GraphicWindow({10, 10, 20, 20}, 1, app->mpRootWindow, nullptr, 1);
  Display().cooperativeLevelResult = kDisplayGeneric;
  EXPECT_EQ(app->ToggleScreenMode(), 0);
  EXPECT_EQ(app->mWindowed, 1);
  EXPECT_EQ(app->mSwitching, 0);
  EXPECT_EQ(app->mpScreenBuffer->mWindowed, 1);
  EXPECT_NE(app->mpScreenBuffer->mpFrontSurface, nullptr);
  EXPECT_NE(app->mpScreenBuffer->mpBackSurface, nullptr);
  EXPECT_NE(app->mpTextStrip, nullptr);
  EXPECT_EQ(child->mpTarget, app->mpScreenBuffer);
  EXPECT_EQ(Display().cooperativeFlags, kCooperativeNormal);
  EXPECT_TRUE(ShowsBlack());

  Display().cooperativeLevelResult = kResultOk;
  EXPECT_EQ(app->ToggleScreenMode(), 1);
  EXPECT_EQ(app->mWindowed, 0);
}

}  // namespace
