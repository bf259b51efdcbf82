#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

#include "Drovane/Arena.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"
#include "Drovane/PrefsFile.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/ScreenBuffer.h"
#include "platform/MemoryDisplay.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/QuitSignals.h"
#include "platform/UserSignal.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"
#include "game/P3Tweak.h"
#include "game/P3WorldLoading.h"
#include "pel3d/draw/DrawSettings.h"
#include "shell/GameApp.h"
#include "support/IsolatedFiles.h"
#include "support/PrefsFileBytes.h"

using namespace platform;

namespace {

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

// Start-up with a data set whose table has language 1's texts and the names of languages
// 2 to 4, but no texts of theirs.
class LanguageStartupTest : public GameAppTest {
protected:
  void SetUp() override {
    GameAppTest::SetUp();
    StringTable table;
    for (auto [id, text] : std::initializer_list<std::pair<uint32_t, const char*>>{
             {0, "English"}, {1, "English"}, {2, "english"}, {3, "Are you sure you want to quit?"},
             {1000, "UKEnglish"}, {2000, "French"}, {3000, "German"}})
      table.Add(id, text);
    files.folder.MakeFolder("data");
    ASSERT_TRUE(table.Save(files.folder.Game("data/strings.tbl")));
  }
  void TearDown() override {
    GameAppTest::TearDown();
    SetCurrentLanguage(1);
    gStringTable.Clear();
  }

  bool Logged(const std::string& part) const {
    for (const std::string& line : gpDebugConsole->Log())
      if (line.find(part) != std::string::npos) return true;
    return false;
  }

  ScopedEnvironment all{"LC_ALL", nullptr};
  ScopedEnvironment messages{"LC_MESSAGES", nullptr};
};

TEST_F(LanguageStartupTest, ALocaleWithoutTextsStartsInEnglish) {
  for (const char* locale : {"en_GB.UTF-8", "de_DE.UTF-8"}) {
    ScopedEnvironment lang("LANG", locale);
    app.reset();
    app = std::make_unique<CGameApp>();
    ASSERT_EQ(app->Startup(), 0u);
    EXPECT_EQ(app->mLanguage, 1) << locale;
    EXPECT_EQ(CurrentLanguage(), 1) << locale;
    EXPECT_EQ(LocalizedString(3), "Are you sure you want to quit?") << locale;
    EXPECT_TRUE(Logged("which has no texts of its own")) << locale;
  }
}

TEST_F(LanguageStartupTest, TheLanguageSwitchTakesTheNameAsSpelt) {
  ScopedEnvironment lang("LANG", "C");
  StoreCommandLine("-w -L French");
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_EQ(app->mLanguage, 3);
  EXPECT_EQ(CurrentLanguage(), 3);
  EXPECT_EQ(app->mWindowedSwitch, 1);
  EXPECT_EQ(LocalizedString(3), "Are you sure you want to quit?(!)");

  app.reset();
  app = std::make_unique<CGameApp>();
  StoreCommandLine("-l french");
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_EQ(app->mLanguage, 1);
  EXPECT_EQ(CurrentLanguage(), 1);
  EXPECT_TRUE(Logged("Unknown language \"french\""));
  EXPECT_FALSE(Logged("Unknown command-line switch"));
}

TEST_F(LanguageStartupTest, WithoutATableTextsAreMarked) {
  files.folder.Write("data/strings.tbl", "");
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_TRUE(Logged("could not be read"));
  EXPECT_EQ(LocalizedString(3), "(!)");
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
  EXPECT_EQ(app->EnterMode(kModeCareer), 0);
  EXPECT_EQ(app->EnterMode(kModeHangar), 0);
  EXPECT_EQ(app->mModeStack, std::vector<int32_t>{kModeStartup});
  app->RunFrame();
  EXPECT_EQ(QueuedQuitMessages(), 0u);
}

TEST_F(GameAppTest, LeaveModeRemovesTheTopmostEntryOfTheCode) {
  app->EnterMode(kModeQuit);
  app->EnterMode(kModeStartup);
  EXPECT_EQ(app->LeaveMode(kModeStartup), 1);
  EXPECT_EQ(app->mModeStack, (std::vector<int32_t>{kModeStartup, kModeQuit}));
  EXPECT_EQ(app->LeaveMode(kModeCareer), 0);
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
  auto* display = dynamic_cast<MemoryDisplayDevice*>(lpDD);
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(display->cooperativeFlags, kCooperativeExclusive | kCooperativeFullScreen);
  EXPECT_EQ(display->modeWidth, 640);
  EXPECT_EQ(display->modeHeight, 480);
  EXPECT_EQ(display->modeBits, 8);
  app->FinishGame();
  EXPECT_EQ(lpDD, nullptr);
}

TEST_F(GameAppTest, PreparesABlackScreenAndReleasesItAtTheEnd) {
  StoreCommandLine("-w");
  app->Startup();
  ASSERT_EQ(app->PrepareGame(), 0u);
  ASSERT_NE(app->mpScreenBuffer, nullptr);
  EXPECT_EQ(app->mpScreenBuffer->mWidth, 640);
  EXPECT_EQ(app->mpScreenBuffer->mHeight, 480);
  EXPECT_EQ(app->mpScreenBuffer->mBackBufferCount, 1);
  EXPECT_EQ(app->mpMainWindow->mpBackBuffer, app->mpScreenBuffer);
  EXPECT_EQ(dynamic_cast<MemoryDisplayDevice*>(lpDD)->cooperativeFlags, kCooperativeNormal);
  WindowPicture shown;
  ASSERT_TRUE(GetWindowPicture(app->mpMainWindow->mWindow, shown));
  EXPECT_EQ(shown.size, (Point{640, 480}));
  for (uint8_t pixel : shown.pixels) ASSERT_EQ(shown.colours[pixel], (Rgb{0, 0, 0}));
  EXPECT_GT(gSurfaceMemory, 0);
  EXPECT_EQ(app->FinishGame(), 0u);
  EXPECT_EQ(app->mpScreenBuffer, nullptr);
  EXPECT_EQ(gSurfaceMemory, 0);
  EXPECT_EQ(lpPalette, nullptr);
  EXPECT_EQ(lpDD, nullptr);
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

// A whole run that ends on the quit message.
int RunToTheEnd() {
  ClearMessageQueue();
  StoreCommandLine("-w");
  PostQuitMessage(0);
  return RunApplication(new CGameApp);
}

TEST(GameAppRun, SignalsOutsideTheLoopLeaveTheRunAliveAndHangUpSavesThePreferences) {
  IsolatedFiles files;
  ClearMessageQueue();
  StoreCommandLine("-w");
  InstallQuitSignalHandlers();
  InstallUserSignalHandler();
  std::raise(SIGUSR1);  // before PrepareGame: dropped
  std::raise(SIGHUP);
  EXPECT_EQ(RunApplication(new CGameApp), 0);
  std::raise(SIGUSR1);  // after the destructor: dropped too
  EXPECT_TRUE(TakeDroppedUserSignal());
  // The missing preferences file was written at the end.
  EXPECT_EQ(files.folder.Read("xdg/halvorine/tarvid.cfg").substr(0, 4), "VIFF");
}

struct UnreadablePrefs {
  const char* name;
  std::string bytes;  // for a regular file
};

void PrintTo(const UnreadablePrefs& prefs, std::ostream* out) {
  *out << prefs.name;
}

std::string RandomBytes() {
  std::string bytes;
  for (uint32_t i = 0, x = 7; i < 300; ++i, x = x * 1103515245u + 12345u) bytes += static_cast<char>(x >> 16);
  return bytes;
}

class UnreadablePrefsTest : public testing::TestWithParam<UnreadablePrefs> {
protected:
  // The case's file, or a folder or a FIFO for the cases without bytes.
  void MakePrefs(const std::string& relative) {
    const std::string name = GetParam().name;
    files.folder.MakeFolder("xdg/halvorine");
    files.folder.MakeFolder(std::filesystem::path(relative).parent_path());
    if (name == "folder") return files.folder.MakeFolder(relative + "/inside");
    if (name == "FIFO") {
      ASSERT_EQ(mkfifo(files.folder.System(relative).c_str(), 0600), 0);
      return;
    }
    files.folder.Write(relative, GetParam().bytes);
  }

  IsolatedFiles files;
};

TEST_P(UnreadablePrefsTest, IsKeptAsideAfterARunThatEndsNormally) {
  files.folder.Write("xdg/halvorine/tarvid.cfg.damaged", "an older one");
  MakePrefs("xdg/halvorine/tarvid.cfg");
  EXPECT_EQ(RunToTheEnd(), 0);
  // The radio stores its settings at every exit: fresh preferences with them take the
  // damaged file's place, which stays aside.
  PrefsFile saved;
  EXPECT_EQ(saved.Load(files.folder.Game("xdg/halvorine/tarvid.cfg")), PrefsFile::LoadResult::kRead);
  EXPECT_EQ(saved.GetSize(0x5245494F), 28u);
  std::string aside = files.folder.System("xdg/halvorine/tarvid.cfg.damaged");
  const std::string name = GetParam().name;
  if (name == "folder") {
    EXPECT_TRUE(std::filesystem::exists(aside + "/inside"));
  } else if (name == "FIFO") {
    EXPECT_TRUE(std::filesystem::is_fifo(aside));
  } else {
    EXPECT_EQ(files.folder.Read("xdg/halvorine/tarvid.cfg.damaged"), GetParam().bytes);
  }
}

TEST_P(UnreadablePrefsTest, InTheProgramsFolderIsLeftAloneAndChangesGoToTheWrittenFolder) {
  MakePrefs("program/tarvid.cfg");
  CGameApp app;
  gDataPaths.SetRoots(files.folder.Game("program"), files.folder.Game("data"));
  app.LoadPreferences();
  app.mPrefs.SetData(1, "x", 1);
  app.SavePreferences();
  EXPECT_TRUE(std::filesystem::exists(files.folder.System("program/tarvid.cfg")));
  EXPECT_FALSE(files.folder.Exists("program/tarvid.cfg.damaged"));
  EXPECT_EQ(files.folder.Read("xdg/halvorine/tarvid.cfg").substr(0, 4), "VIFF");
}

using namespace prefsbytes;

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadablePrefsTest,
    testing::Values(UnreadablePrefs{"cut record", WithRecord(7, "abcdef").substr(0, 28 + 49 + 10)},
                    UnreadablePrefs{"newer version", WithRecord(7, "abcdef", PrefsFile::kTypeVersion + 1)},
                    UnreadablePrefs{"wrong length field", WithRecord(7, "abcdef") + "trailing"},
                    UnreadablePrefs{"random bytes", RandomBytes()}, UnreadablePrefs{"empty file", ""},
                    UnreadablePrefs{"folder", ""}, UnreadablePrefs{"FIFO", ""}),
    [](const testing::TestParamInfo<UnreadablePrefs>& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST_F(GameAppTest, PreferencesAndArenasLiveAsLongAsTheGame) {
  constexpr uint32_t kKeptRecord = 0x4B455054;
  files.folder.Write("xdg/halvorine/tarvid.cfg", "damaged");
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_GE(gScratchArena, 0);
  EXPECT_GE(gGeneralArena, 0);
  EXPECT_NE(TweakMessageId(), 0u);
  EXPECT_EQ(GetPrefsFile(), &app->mPrefs);
  EXPECT_EQ(app->mPrefs.GetSize(kKeptRecord), 0u);  // the damaged file reads as empty
  const char kept[28] = "kept settings";
  app->mPrefs.SetData(kKeptRecord, kept, sizeof kept);
  app.reset();
  EXPECT_EQ(gScratchArena, -1);
  EXPECT_EQ(gGeneralArena, -1);
  EXPECT_EQ(GetPrefsFile(), nullptr);

  app = std::make_unique<CGameApp>();  // ends before reading them: the file stays
  app.reset();
  app = std::make_unique<CGameApp>();
  app->Startup();
  ASSERT_EQ(app->mPrefs.GetSize(kKeptRecord), 28u);
  EXPECT_STREQ(static_cast<const char*>(app->mPrefs.GetData(kKeptRecord)), "kept settings");
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
    InstallUserSignalHandler();
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

TEST_F(LiveTuningTest, ReloadDuringAWorldLoadRunsOnTheFirstFrameAfter) {
  std::unique_lock loading(WorldLoadingMutex());
  gpDebugConsole->TypeInput("tweak\n");
  DispatchPending();  // returns at once: the loop goes on
  EXPECT_EQ(speed, 0);
  app->RunFrame();
  EXPECT_EQ(speed, 0);  // still loading: nothing read
  loading.unlock();
  app->RunFrame();
  EXPECT_EQ(speed, 0x28000);
  EXPECT_EQ(gpDebugConsole->Log().back(),
            "Tuning read from " + files.folder.Game("data\\tweak\\pel3d.twk") + ": 1 sections.\n");
  speed = 0;
  app->RunFrame();  // read once only
  EXPECT_EQ(speed, 0);
  std::filesystem::remove(files.folder.System("data/tweak/PEL3D.TWK"));
  TweakLiveReload();
  EXPECT_EQ(gpDebugConsole->Log().back(),
            "No tuning file " + files.folder.Game("data\\tweak\\pel3d.twk") + ": nothing was read.\n");
}

}  // namespace
