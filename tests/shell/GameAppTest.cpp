#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <thread>

#include "Drovane/Arena.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/PrefsFile.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ProgramEntry.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "game/P3Tweak.h"
#include "game/P3WorldLoading.h"
#include "platform/WrittenFiles.h"
#include "pel3d/draw/DrawSettings.h"
#include "shell/GameApp.h"
#include "support/TempFolder.h"

using namespace platform;

namespace {

// Keeps what the game reads and writes inside a temporary folder: the program's folder
// counts as not writable, so written files go to "<temp>/xdg/halvorine", and the data set
// is "<temp>/data".
class IsolatedFiles {
public:
  IsolatedFiles()
      : mXdg("XDG_DATA_HOME", folder.System("xdg").c_str()),
        mData("HALVORINE_DATA", folder.System("data").c_str()) {
    SetWritableCheck([](const std::string&) { return false; });
  }
  ~IsolatedFiles() { SetWritableCheck({}); }

  TempFolder folder;

private:
  ScopedEnvironment mXdg;
  ScopedEnvironment mData;
};

class GameAppTest : public testing::Test {
protected:
  void SetUp() override {
    SetClockSource(&clock);
    ClearMessageQueue();
    StoreCommandLine("");
    app = std::make_unique<CGameApp>();
    app->mDesktopMode = {1024, 768, 8};
    gpApplication = app.get();
  }
  void TearDown() override {
    app.reset();
    ClearMessageQueue();
    SetClockSource(nullptr);
  }

  uint32_t QueuedQuitMessages() {
    uint32_t count = 0;
    Message message;
    while (PeekMessage(message)) count += message.message == WM_QUIT;
    return count;
  }

  IsolatedFiles files;
  ManualClock clock;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppTest, ConstructionState) {
  EXPECT_EQ(app->mFlags, kAppRunning);  // the base's running bit survives
  EXPECT_EQ(app->mActive, 1);
  EXPECT_EQ(app->mWindowed, 1);
  EXPECT_EQ(app->mpMainWindow, nullptr);
  EXPECT_EQ(app->mFrameRate, 10.0f);
  EXPECT_EQ(app->mFullScreenMode, (DisplayRecord{640, 480, 8}));
  EXPECT_EQ(app->mWindowedMode, (DisplayRecord{640, 480, 8}));
  EXPECT_EQ(app->mCurrentMode, (DisplayRecord{640, 480, 8}));
  EXPECT_EQ(app->mModeStack, std::vector<int32_t>{kModeStartup});
  EXPECT_EQ(app->mRedraw, 0);
  EXPECT_EQ(app->mOptionWords, (std::array<int32_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(gpGameApp, app.get());
}

TEST_F(GameAppTest, StartupHandsTheFirstTwoOptionsToTheEngine) {
  const DrawSettings saved = gDrawSettings;
  app->mOptionWords = {0, 1, 0, 0};
  app->Startup();
  EXPECT_EQ(gDrawSettings.objectTextures, 0);
  EXPECT_EQ(gDrawSettings.terrainTextures, 1);
  gDrawSettings = saved;
}

TEST_F(GameAppTest, StartupWritesTheFirstConsoleLineAndShowsTheConsoleOnlyWhenAsked) {
  ASSERT_EQ(app->Startup(), 0u);
  ASSERT_NE(gpDebugConsole, nullptr);
  ASSERT_FALSE(gpDebugConsole->Log().empty());
  EXPECT_EQ(gpDebugConsole->Log().front(), "Halvorine Startup...\n\n");
  EXPECT_FALSE(gpDebugConsole->IsShown());
  ASSERT_FALSE(gInstallDirectory.empty());
  EXPECT_EQ(gInstallDirectory.back(), '\\');
  EXPECT_TRUE(app->mFrameStopwatch.IsRunning());

  app.reset();
  EXPECT_EQ(gpDebugConsole, nullptr);
  app = std::make_unique<CGameApp>();
  StoreCommandLine("/D");
  app->Startup();
  EXPECT_EQ(app->mDebugConsoleSwitch, 1);
  EXPECT_TRUE(gpDebugConsole->IsShown());
}

TEST_F(GameAppTest, UnknownSwitchesAreLoggedAndIgnored) {
  StoreCommandLine("-x -w");
  app->Startup();
  EXPECT_EQ(app->mWindowedSwitch, 1);
  bool logged = false;
  for (const std::string& line : gpDebugConsole->Log()) logged |= line.find("\"x\"") != std::string::npos;
  EXPECT_TRUE(logged);
}

struct DisplayCase {
  const char* commandLine;
  DisplayRecord desktop;
  int32_t windowed;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
  *os << '"' << c.commandLine << "\" " << c.desktop.width << "x" << c.desktop.height << "x" << c.desktop.bitsPerPixel;
}

class DisplayChoiceTest : public GameAppTest, public testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayChoiceTest, WindowOnlyWhenAskedAndTheDesktopHasRoom) {
  const DisplayCase& c = GetParam();
  StoreCommandLine(c.commandLine);
  app->mDesktopMode = c.desktop;
  app->Startup();
  EXPECT_EQ(app->mWindowed, c.windowed);
  EXPECT_EQ(app->mCurrentMode, c.windowed ? app->mWindowedMode : app->mFullScreenMode);
}

INSTANTIATE_TEST_SUITE_P(Desktops, DisplayChoiceTest,
                         testing::Values(DisplayCase{"-w", {1024, 768, 8}, 1}, DisplayCase{"-w", {641, 481, 8}, 1},
                                         DisplayCase{"", {1024, 768, 8}, 0}, DisplayCase{"-w", {640, 480, 8}, 0},
                                         DisplayCase{"-w", {1024, 480, 8}, 0},
                                         DisplayCase{"-w", {1920, 1080, 32}, 0}));

struct InstallCase {
  std::string modulePath;
  std::string expected;
};

void PrintTo(const InstallCase& c, std::ostream* os) { *os << c.modulePath.size() << " characters"; }

class InstallDirectoryTest : public testing::TestWithParam<InstallCase> {};

TEST_P(InstallDirectoryTest, CutAfterTheLastBackslash) {
  EXPECT_EQ(InstallDirectoryFromModulePath(GetParam().modulePath), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, InstallDirectoryTest,
                         testing::Values(InstallCase{"\\usr\\games\\halvorine", "\\usr\\games\\"},
                                         InstallCase{"\\halvorine", "\\"}, InstallCase{"halvorine", ""},
                                         InstallCase{"", ""},
                                         // 261 characters do not fit the game's paths; 260 do.
                                         InstallCase{"\\a\\" + std::string(258, 'x'), ""},
                                         InstallCase{"\\a\\" + std::string(257, 'x'), "\\a\\"}));

TEST_F(GameAppTest, FrameRateOverEachSecond) {
  clock.systemMs = 5000;
  app->Startup();
  gFrameCounter = 0;
  for (int frame = 0; frame < 29; ++frame) {
    clock.systemMs += 30;
    app->RunFrame();
  }
  EXPECT_EQ(app->mFrameRate, 10.0f);
  clock.systemMs = 6250;
  app->RunFrame();
  EXPECT_FLOAT_EQ(app->mFrameRate, 24.0f);  // 30 frames in 1250 ms
  EXPECT_EQ(gFrameCounter, 0u);
  EXPECT_EQ(app->mFrameStopwatch.Elapsed(), 0u);
}

TEST_F(GameAppTest, QuitModeEndsTheLoopOnlyWhileActive) {
  EXPECT_EQ(app->EnterMode(kModeQuit), 1);
  EXPECT_EQ(app->mRedraw, 1);
  EXPECT_EQ(app->CurrentMode(), kModeQuit);
  app->mActive = 0;
  app->RunFrame();
  EXPECT_EQ(QueuedQuitMessages(), 0u);
  EXPECT_EQ(app->mQuitFlag, 0);
  app->mActive = 1;
  app->RunFrame();
  EXPECT_EQ(app->mQuitFlag, 1);
  EXPECT_EQ(QueuedQuitMessages(), 1u);
}

TEST_F(GameAppTest, ModesWithoutTheirScreensAreRefused) {
  EXPECT_EQ(app->EnterMode(kModeMainMenu), 0);
  EXPECT_EQ(app->EnterMode(kModeFlight), 0);
  EXPECT_EQ(app->mModeStack, std::vector<int32_t>{kModeStartup});
  app->RunFrame();
  EXPECT_EQ(QueuedQuitMessages(), 0u);
}

TEST_F(GameAppTest, LeaveModeRemovesTheTopmostEntryOfTheCode) {
  app->EnterMode(kModeQuit);
  app->EnterMode(kModeStartup);
  EXPECT_EQ(app->LeaveMode(kModeStartup), 1);
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeQuit}));
  EXPECT_EQ(app->LeaveMode(kModeMainMenu), 0);
  EXPECT_EQ(app->LeaveMode(kModeQuit), 1);
  EXPECT_EQ(app->LeaveMode(kModeStartup), 1);
  EXPECT_TRUE(app->mModeStack.empty());
  EXPECT_EQ(app->CurrentMode(), kModeStartup);
}

TEST_F(GameAppTest, PreparesTheWindowAndFinishesIt) {
  StoreCommandLine("-w");
  app->Startup();
  ASSERT_EQ(app->PrepareGame(), 0u);
  ASSERT_NE(app->mpMainWindow, nullptr);
  WindowHandle window = app->mpMainWindow->mWindow;
  EXPECT_EQ(GetWindowText(window), "Halvorine");
  EXPECT_EQ(GetClientRect(window), (Rect{0, 0, 640, 480}));
  EXPECT_EQ(GetWindowStyle(window) & WS_CAPTION, static_cast<uint32_t>(WS_CAPTION));
  EXPECT_NE(app->mpMainWindow->mpComander, nullptr);
  EXPECT_EQ(app->FinishGame(), 0u);
  EXPECT_EQ(app->mpMainWindow, nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(GameAppTest, FullScreenWindowIsAPopUp) {
  app->Startup();
  ASSERT_EQ(app->mWindowed, 0);
  ASSERT_EQ(app->PrepareGame(), 0u);
  EXPECT_EQ(GetWindowStyle(app->mpMainWindow->mWindow) & WS_POPUP, static_cast<uint32_t>(WS_POPUP));
  EXPECT_EQ(GetClientRect(app->mpMainWindow->mWindow), (Rect{0, 0, 640, 480}));
}

struct CloseCase {
  const char* name;
  uint32_t message;
  uintptr_t wParam;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseRequestTest : public GameAppTest, public testing::WithParamInterface<CloseCase> {};

// The close box and Alt+F4 reach the quit request, which ends the message loop.
TEST_P(CloseRequestTest, EndsTheLoop) {
  app->Startup();
  app->mFlags |= kAppActive;
  ASSERT_EQ(app->PrepareGame(), 0u);
  WindowHandle window = app->mpMainWindow->mWindow;
  PostMessage(window, GetParam().message, GetParam().wParam, kKeyAltHeld | 1);
  RunMessageLoop(*app);
  EXPECT_EQ(app->mFlags & kAppRunning, 0u);
  EXPECT_TRUE(IsWindow(window));  // the finishing step closes it, not the request
  app->FinishGame();
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestTest,
                         testing::Values(CloseCase{"CloseBox", WM_CLOSE, 0}, CloseCase{"AltF4", WM_SYSKEYDOWN, VK_F4}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST(GameAppRun, TheWholeRunEndsOnTheQuitMessage) {
  IsolatedFiles files;
  ClearMessageQueue();
  StoreCommandLine("-w");
  PostQuitMessage(0);
  EXPECT_EQ(RunApplication(new CGameApp), 0);
  EXPECT_EQ(gpApplication, nullptr);
  EXPECT_EQ(gpGameApp, nullptr);
  EXPECT_EQ(gpDebugConsole, nullptr);
}

TEST_F(GameAppTest, PreferencesAndArenasLiveAsLongAsTheGame) {
  files.folder.Write("xdg/halvorine/tarvid.cfg", "damaged");
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_GE(gScratchArena, 0);
  EXPECT_GE(gGeneralArena, 0);
  EXPECT_NE(TweakMessageId(), 0u);
  EXPECT_EQ(GetPrefsFile(), &app->mPrefs);
  EXPECT_EQ(app->mPrefs.GetSize(0x5245494F), 0u);  // the damaged file reads as empty
  const char radio[28] = "radio settings";
  app->mPrefs.SetData(0x5245494F, radio, sizeof radio);
  app.reset();
  EXPECT_EQ(gScratchArena, -1);
  EXPECT_EQ(gGeneralArena, -1);
  EXPECT_EQ(GetPrefsFile(), nullptr);

  app = std::make_unique<CGameApp>();  // ends before reading them: the file stays
  app.reset();
  app = std::make_unique<CGameApp>();
  app->Startup();
  ASSERT_EQ(app->mPrefs.GetSize(0x5245494F), 28u);
  EXPECT_STREQ(static_cast<const char*>(app->mPrefs.GetData(0x5245494F)), "radio settings");
}

class WindowlessGameApp : public CGameApp {
public:
  MainWindow* CreateMainWindow(int32_t, int32_t, uint32_t, const char*) override { return nullptr; }
};

TEST_F(GameAppTest, FailedWindowSavesTheDebugLog) {
  app.reset();  // one application object at a time
  app = std::make_unique<WindowlessGameApp>();
  app->Startup();
  EXPECT_NE(app->PrepareGame(), 0u);
  std::string log = files.folder.Read("xdg/halvorine/debug.txt");
  EXPECT_EQ(log.rfind("Halvorine Startup...", 0), 0u);
  EXPECT_NE(log.find("Window creation failed."), std::string::npos);
}

class LiveTuningTest : public GameAppTest {
protected:
  void SetUp() override {
    GameAppTest::SetUp();
    StoreCommandLine("-w");
    app->Startup();
    ASSERT_EQ(app->PrepareGame(), 0u);
    TweakVariable variables[] = {TweakVar(speed)};
    ASSERT_EQ(TweakRegisterSection(variables, 1, "Test Parms"), 1);
    files.folder.Write("data/tweak/PEL3D.TWK",
                       "[Test Parms]\nNumCtrl=1\nCtrl0_Value=2.5\nCtrl0_DataType=fxpt\n");
  }
  void TearDown() override {
    app->FinishGame();
    GameAppTest::TearDown();
  }

  // One pass of the message loop's dispatching, without frames.
  void DispatchPending() {
    Message message;
    while (PeekMessage(message)) DispatchMessage(message);
  }

  int32_t speed = 0;
};

TEST_F(LiveTuningTest, UserSignalRereadsTheSections) {
  std::raise(SIGUSR1);
  DispatchPending();
  EXPECT_EQ(speed, 0x28000);
}

TEST_F(LiveTuningTest, ConsoleCommandRereadsTheSections) {
  gpDebugConsole->TypeInput("tweak\n");
  DispatchPending();
  EXPECT_EQ(speed, 0x28000);
}

TEST_F(LiveTuningTest, ReloadWaitsForTheWorldLoadingThread) {
  std::unique_lock loading(WorldLoadingMutex());
  std::thread reload([] { TweakLiveReload(); });
  EXPECT_EQ(speed, 0);  // still loading: nothing read
  loading.unlock();
  reload.join();
  EXPECT_EQ(speed, 0x28000);
}

}  // namespace
