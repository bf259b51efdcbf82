#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/JoystickManager.h"
#include "Drovane/JoystickSetRecord.h"
#include "Drovane/ProgramEntry.h"
#include "platform/Clock.h"
#include "platform/ScriptedJoysticks.h"
#include "shell/GameApp.h"
#include "support/IsolatedFiles.h"

using namespace platform;

namespace {

// Keeps the elapsed time of every idle update.
class RecordingGameApp : public CGameApp {
public:
  void IdleUpdate(uint32_t elapsedMs) override {
    idleUpdates.push_back(elapsedMs);
    CGameApp::IdleUpdate(elapsedMs);
  }
  std::vector<uint32_t> idleUpdates;
};

class GameAppJoysticksTest : public testing::Test {
protected:
  void SetUp() override {
    SetClockSource(&clock);
    SetJoystickBackend(&devices);
    StoreCommandLine("");
    app = std::make_unique<RecordingGameApp>();
  }
  void TearDown() override {
    app.reset();
    gJoystickManager = JoystickManager();
    SetJoystickBackend(nullptr);
    SetClockSource(nullptr);
  }

  void KeepRecord(const std::vector<std::string>& names) {
    std::vector<uint8_t> bytes = EncodeJoystickSet(names);
    app->mPrefs.SetData(kJoystickSetRecordId, bytes.data(), static_cast<uint32_t>(bytes.size()));
  }
  std::vector<std::string> KeptNames() {
    std::vector<std::string> names;
    EXPECT_TRUE(DecodeJoystickSet(app->mPrefs.GetData(kJoystickSetRecordId),
                                  app->mPrefs.GetSize(kJoystickSetRecordId), names));
    return names;
  }

  IsolatedFiles files;
  ManualClock clock;
  ScriptedJoysticks devices;
  std::unique_ptr<RecordingGameApp> app;
};

TEST_F(GameAppJoysticksTest, StartupFindsTheJoysticksWithTheGamesRange) {
  devices.Plug("Stick");
  gJoystickManager.SetRange(0, 255);
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_EQ(gJoystickManager.Count(), 1);
  EXPECT_EQ(gJoystickManager.RangeMin(), -100);
  EXPECT_EQ(gJoystickManager.RangeMax(), 100);
  EXPECT_EQ(gJoystickManager.RangeCenter(), 0);
  EXPECT_EQ(gJoystickManager.DeadZone(), 20);
}

TEST_F(GameAppJoysticksTest, RunFrameRunsTheIdleUpdateWithTheElapsedTimeWhileActive) {
  clock.systemMs = 5000;
  app->mFrameStopwatch.Start();
  clock.systemMs += 30;
  app->RunFrame();
  app->mActive = 0;
  clock.systemMs += 30;
  app->RunFrame();
  app->mActive = 1;
  clock.systemMs += 1190;
  app->RunFrame();  // the window's time, taken before the frame rate restarts it
  clock.systemMs += 10;
  app->RunFrame();
  EXPECT_EQ(app->idleUpdates, (std::vector<uint32_t>{30, 1250, 10}));
}

TEST_F(GameAppJoysticksTest, TheIdleUpdatePollsOnlyWhileFlying) {
  int32_t first = devices.Plug("First");
  int32_t second = devices.Plug("Second");
  app->InitJoysticks();
  devices.SetAxis(first, 0, 32767);
  devices.SetButton(second, 2, true);

  app->IdleUpdate(0);
  EXPECT_EQ(gJoystickManager.GetAxis(0, 0, 1), 0);
  EXPECT_EQ(gJoystickManager.IsButtonDown(1, 2, 1), 0u);

  app->mModeStack.push_back(kModeFlight);
  app->IdleUpdate(0);
  EXPECT_EQ(gJoystickManager.GetAxis(0, 0, 1), 100);
  EXPECT_EQ(gJoystickManager.IsButtonDown(1, 2, 1), 4u);
}

struct ChangeCase {
  const char* name;
  bool hasRecord;
  std::vector<std::string> kept;
  std::vector<std::string> present;
  int32_t changed;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class JoysticksChangedTest : public GameAppJoysticksTest, public testing::WithParamInterface<ChangeCase> {};

TEST_P(JoysticksChangedTest, ComparesTheNamesAndKeepsThePresentSet) {
  const ChangeCase& c = GetParam();
  if (c.hasRecord) KeepRecord(c.kept);
  for (const std::string& name : c.present) devices.Plug(name);
  app->InitJoysticks();
  EXPECT_EQ(app->CheckJoysticksChanged(), c.changed);
  EXPECT_EQ(KeptNames(), c.present);
  EXPECT_EQ(app->CheckJoysticksChanged(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, JoysticksChangedTest,
    testing::Values(ChangeCase{"NoRecordNoJoysticks", false, {}, {}, 0},
                    ChangeCase{"NoRecordOneJoystick", false, {}, {"Stick"}, 1},
                    ChangeCase{"SameSet", true, {"Stick", "Wheel"}, {"Stick", "Wheel"}, 0},
                    ChangeCase{"AnotherName", true, {"Stick"}, {"Wheel"}, 1},
                    ChangeCase{"AnotherOrder", true, {"Wheel", "Stick"}, {"Stick", "Wheel"}, 1},
                    ChangeCase{"OneMore", true, {"Stick"}, {"Stick", "Stick"}, 1},
                    ChangeCase{"AllGone", true, {"Stick"}, {}, 1}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

TEST_F(GameAppJoysticksTest, ADamagedRecordCountsAsAChange) {
  const uint8_t damaged[] = {1, 0, 0, 0, 'S'};
  app->mPrefs.SetData(kJoystickSetRecordId, damaged, sizeof damaged);
  app->InitJoysticks();
  EXPECT_EQ(app->CheckJoysticksChanged(), 1);
  EXPECT_EQ(KeptNames(), std::vector<std::string>{});
}

}  // namespace
