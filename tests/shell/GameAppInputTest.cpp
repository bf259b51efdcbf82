#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/CommandQueries.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugConsole.h"
#include "Drovane/KeyboardState.h"
#include "Drovane/ProgramEntry.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "game/GameSwitches.h"
#include "game/KeyBindingFile.h"
#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/VirtualKeys.h"
#include "shell/GameApp.h"
#include "shell/GameCommander.h"
#include "support/IsolatedFiles.h"

using namespace platform;

namespace {

// Writes down the commands it is told to carry out.
class CommandRecordingApp : public CGameApp {
public:
  void ExecuteCommand(int32_t command) override {
    executed.push_back(command);
    CGameApp::ExecuteCommand(command);
  }
  std::vector<int32_t> executed;
};

// A window of the input list that takes the key it is given.
class TakingWindow : public GraphicWindow {
public:
  TakingWindow() : GraphicWindow({0, 0, 10, 10}, 1, nullptr, nullptr, 1) { AddToInputList(this); }
  int32_t OnKeyDown(uint32_t key, uint32_t) override { return key == taken; }
  int32_t OnKeyUp(uint32_t key, uint32_t) override { return key == taken; }
  uint32_t taken = 0;
};

class GameAppInputTest : public testing::Test {
protected:
  void SetUp() override {
    SetClockSource(&clock);
    StoreCommandLine("");
    gKeyboardState.ClearAll();
    app = std::make_unique<CommandRecordingApp>();
    gDataPaths.SetRoots(files.folder.Game("program"), files.folder.Game("data"));
    app->AddDebugKeyBindings();
    app->mCockpitScreen.LoadBindings();
    commander.SetApplication(app.get());
  }
  void TearDown() override {
    app.reset();
    gKeyboardState.ClearAll();
    gDataPaths.SetRoots("", "");
    SetClockSource(nullptr);
  }

  static bool Logged(const std::string& text) {
    for (const std::string& line : gpDebugConsole->Log())
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
  void Fly() { app->mModeStack.push_back(kModeFlight); }
  void Press(uint32_t key) { commander.OnKeyDown(key); }
  void Release(uint32_t key) { commander.OnKeyUp(key); }

  IsolatedFiles files;
  ManualClock clock;
  GameCommander commander;
  std::unique_ptr<CommandRecordingApp> app;
};

TEST_F(GameAppInputTest, AKeyInBothMapsActsOnlyThroughTheApplications) {
  Fly();
  app->mCockpitScreen.mCommandMap.Bindings().push_back({0, 19, VK_SNAPSHOT, 0, 0, 0});
  app->mCockpitScreen.mCommandMap.RebuildTables();
  Press(VK_SNAPSHOT);
  EXPECT_EQ(app->executed, std::vector<int32_t>{kCommandScreenshot});
  EXPECT_EQ(IsCommandActive(19), 0);
}

TEST_F(GameAppInputTest, TheApplicationsKeysActInEveryMode) {
  Press(VK_CONTROL);
  Press('V');
  Release('V');
  Press(VK_MENU);
  Press('P');
  Press('S');
  EXPECT_EQ(app->executed, (std::vector<int32_t>{kCommandSystemReport, kCommandPaletteView, kCommandStatistics}));
}

TEST_F(GameAppInputTest, InFlightAKeyReachesTheFlightMapAndTheCommandTable) {
  int32_t runs = 0;
  app->mCommandTable.SetRow(42, [&runs] { ++runs; });
  Fly();
  Press('H');
  Press(VK_UP);
  EXPECT_EQ(app->executed, (std::vector<int32_t>{42, 8}));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(IsCommandActive(8), 1);
  Release(VK_UP);
  EXPECT_EQ(IsCommandActive(8), 0);
}

TEST_F(GameAppInputTest, OutsideThePlayModesKeysReachNoScreenMap) {
  Press(VK_UP);
  EXPECT_TRUE(app->executed.empty());
  EXPECT_EQ(IsCommandActive(8), 0);
}

TEST_F(GameAppInputTest, EscInTheMenuScreensGivesCommandOne) {
  for (int32_t mode : {kModeHangar, kModeCatalog, kModeMissionLog, kModeInventory}) {
    app->mModeStack.push_back(mode);
    app->executed.clear();
    Press(VK_ESCAPE);
    Release(VK_ESCAPE);
    EXPECT_EQ(app->executed, std::vector<int32_t>{kCommandLeaveScreen}) << mode;
    app->mModeStack.pop_back();
  }
}

TEST_F(GameAppInputTest, KeyUpNeverReachesTheApplicationsMap) {
  app->mCommandMap.Bindings().push_back({0, 20, 'K', 0, 1, 0});
  app->mCommandMap.RebuildTables();
  Press('K');
  EXPECT_EQ(app->mCommandMap.GetState(20), 1);
  Release('K');
  EXPECT_EQ(app->mCommandMap.GetState(20), 1);
}

TEST_F(GameAppInputTest, AKeyAWindowTakesNeverReachesTheFlightMap) {
  TakingWindow windows;
  windows.taken = VK_UP;
  Fly();
  Press(VK_UP);
  Press(VK_LEFT);
  EXPECT_EQ(app->executed, std::vector<int32_t>{6});
  EXPECT_EQ(IsCommandActive(8), 0);
  windows.taken = VK_LEFT;
  Release(VK_LEFT);
  EXPECT_EQ(IsCommandActive(6), 1);  // the window took the release too
}

TEST_F(GameAppInputTest, FocusLostClearsTheKeyboardAndThePlayMapOnly) {
  app->mCommandMap.Bindings().push_back({0, 20, 'K', 0, 1, 0});
  app->mCommandMap.RebuildTables();
  Press('K');
  Fly();
  Press(VK_UP);
  commander.OnFocusLost();
  EXPECT_EQ(gKeyboardState.IsKeyDown(VK_UP), 0);
  EXPECT_EQ(gKeyboardState.HeldKeys().Count(), 0);
  EXPECT_EQ(IsCommandActive(8), 0);
  EXPECT_EQ(app->mCommandMap.GetState(20), 1);
}

TEST_F(GameAppInputTest, TheQueriesAnswerForAHeldKeyAndForBit20) {
  Fly();
  Press(VK_SPACE);
  EXPECT_NE(IsCommandActive(19), 0);
  EXPECT_EQ(IsCommandActive(38), 0);
  app->mCockpitScreen.mCommandMap.SetStateBits(38, 0x20);
  EXPECT_NE(IsCommandActive(38), 0);
  EXPECT_EQ(FindFirstActiveCommand(30, 40), 38);
  app->mCockpitScreen.mCommandMap.ClearStateBits(38, 0x20);
  EXPECT_EQ(IsCommandActive(38), 0);
}

TEST_F(GameAppInputTest, ThePlayersBindingsBeatTheFixedOnes) {
  KeyBindingList bindings{{0, 19, 'H', 0, 0, 0}};
  ASSERT_TRUE(SaveKeyBindings(bindings));
  EXPECT_EQ(app->mCockpitScreen.LoadBindings(), CockpitScreen::BindingSource::kFile);
  EXPECT_EQ(app->mCockpitScreen.mCommandMap.CommandForKey('H', 0), 19);
  EXPECT_EQ(app->mCockpitScreen.mCommandMap.CommandForKey(VK_F10, 0), 53);
  EXPECT_EQ(app->mCockpitScreen.mCommandMap.CommandForKey(VK_UP, 0), 0);  // no defaults
}

TEST_F(GameAppInputTest, ADamagedBindingFileGivesTheDefaults) {
  files.folder.Write("xdg/halvorine/input.cfg", "VIFF and no more");
  EXPECT_EQ(app->mCockpitScreen.LoadBindings(), CockpitScreen::BindingSource::kDefaults);
  EXPECT_EQ(app->mCockpitScreen.mCommandMap.Bindings().size(), 22u + 70);
  EXPECT_EQ(app->mCockpitScreen.mCommandMap.CommandForKey(VK_UP, 0), 8);
  EXPECT_TRUE(files.folder.Exists("xdg/halvorine/input.cfg.damaged"));
}

TEST_F(GameAppInputTest, FixedFlightKeys) {
  struct Case {
    uint32_t key, modifiers;
    int32_t command;
  };
  const Case cases[] = {{'1', 0, 34},  {'4', 0, 37},         {VK_UP, 2, 38},    {VK_RIGHT, 2, 41}, {'H', 0, 42},
                        {0xBD, 0, 43}, {0xBB, 0, 44},        {VK_F1 + 5, 0, 45}, {VK_F1 + 8, 0, 48}, {VK_F1 + 10, 0, 49},
                        {VK_F12, 0, 50}, {'Y', 0, 51},       {'U', 0, 52},      {VK_F10, 0, 53},   {VK_ESCAPE, 0, 56},
                        {'X', 6, 58},  {'X', 0, 8}};
  for (const Case& c : cases)
    EXPECT_EQ(app->mCockpitScreen.mCommandMap.CommandForKey(c.key, c.modifiers), c.command) << c.key;
}

TEST_F(GameAppInputTest, StartupNamesTheBindingsSource) {
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_TRUE(Logged("Key bindings: 92, with the player's from the built-in defaults."));
}

struct SwitchCase {
  const char* name;
  const char* commandLine;
  int32_t windowed, difficulty, tourStart, fogOff, radar3D, autopilot;
  const char* cheatPhrase;
};

class CommandLineSwitchTest : public GameAppInputTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(CommandLineSwitchTest, EachSwitchSetsItsValue) {
  const SwitchCase& c = GetParam();
  StoreCommandLine(c.commandLine);
  app->ProcessCommandLine();
  EXPECT_EQ(app->mWindowedSwitch, c.windowed);
  EXPECT_EQ(gGameSwitches.difficulty, c.difficulty);
  EXPECT_EQ(gGameSwitches.tourStart, c.tourStart);
  EXPECT_EQ(gGameSwitches.fogOff, c.fogOff);
  EXPECT_EQ(gGameSwitches.radar3D, c.radar3D);
  EXPECT_EQ(gGameSwitches.autopilot, c.autopilot);
  EXPECT_EQ(gGameSwitches.cheatPhrase, c.cheatPhrase);
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLineSwitchTest,
                         testing::Values(SwitchCase{"none", "", 0, 2, 0, 0, 0, 0, ""},
                                         SwitchCase{"windowed", "-w", 1, 2, 0, 0, 0, 0, ""},
                                         SwitchCase{"full_screen_after_windowed", "-w /F", 0, 2, 0, 0, 0, 0, ""},
                                         SwitchCase{"windowed_after_full_screen", "-f -w", 1, 2, 0, 0, 0, 0, ""},
                                         SwitchCase{"difficulty_1", "-1", 0, 1, 0, 0, 0, 0, ""},
                                         SwitchCase{"the_last_difficulty", "/4 -3", 0, 3, 0, 0, 0, 0, ""},
                                         SwitchCase{"world_switches", "-t -A \\c /p", 0, 2, 1, 1, 1, 1, ""},
                                         SwitchCase{"cheat_phrase", "-kOpenSesame", 0, 2, 0, 0, 0, 0, "OpenSesame"}),
                         [](const testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST_F(GameAppInputTest, ADifficultyOutOfRangeIsAnUnknownSwitch) {
  StoreCommandLine("-5 -0");
  app->Startup();
  EXPECT_TRUE(Logged("Unknown command-line switch \"5\""));
  EXPECT_TRUE(Logged("Unknown command-line switch \"0\""));
  EXPECT_EQ(gGameSwitches.difficulty, GameSwitches::kDefaultDifficulty);
}

}  // namespace
