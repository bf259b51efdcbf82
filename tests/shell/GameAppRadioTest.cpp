#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Drovane/PrefsFile.h"
#include "Drovane/ProgramEntry.h"
#include "platform/Clock.h"
#include "shell/GameApp.h"
#include "sound/Radio.h"
#include "support/IsolatedFiles.h"
#include "support/PrefsFileBytes.h"

using namespace platform;

namespace {

// The application over a data set with one station that has no items, so that every radio
// step after the 4 s gap walks one entry of its schedule.
class GameAppRadioTest : public testing::Test {
protected:
  void SetUp() override {
    ResetRadio();
    SetClockSource(&clock);
    StoreCommandLine("");
    files.folder.Write("data/sound/radio/stations/alpha/Alpha.id", "");
    app = std::make_unique<CGameApp>();
  }
  void TearDown() override {
    app.reset();
    ResetRadio();
    SetClockSource(nullptr);
  }

  // The radio as the program starts it: the tests share the one global radio.
  static void ResetRadio() {
    gRadio.SetPlaying(0);
    gRadio.mDuckCount = 0;
    gRadio.mStations.clear();
    gRadio.SetState(RadioState{});
  }

  static std::string RecordBytes(const RadioState& state) {
    std::array<uint8_t, kRadioStateBytes> bytes = EncodeRadioState(state);
    return std::string(bytes.begin(), bytes.end());
  }

  int32_t SchedulePosition() const { return gRadio.mStations.at(0).mSchedulePosition; }

  IsolatedFiles files;
  ManualClock clock;
  std::unique_ptr<CGameApp> app;
};

TEST_F(GameAppRadioTest, StartupBuildsTheStationsAndRestoresTheSettings) {
  files.folder.Write("xdg/halvorine/tarvid.cfg",
                     prefsbytes::WithRecord(kRadioStateRecordId, RecordBytes({3000, 0, 0, 1, 0, 1, 1})));
  ASSERT_EQ(app->Startup(), 0u);
  EXPECT_EQ(gRadio.GetStationCount(), 1);
  RadioState state;
  gRadio.GetState(state);
  EXPECT_EQ(state, (RadioState{3000, 0, 0, 1, 0, 1, 1}));
}

TEST_F(GameAppRadioTest, FlightSwitchesTheRadioOnWhenEnabledAndLeavingItSwitchesItOff) {
  app->Startup();
  EXPECT_EQ(app->EnterMode(kModeFlight), 1);
  EXPECT_EQ(app->CurrentMode(), kModeFlight);
  EXPECT_EQ(app->mRedraw, 1);
  EXPECT_EQ(gRadio.mPlaying, 1);
  app->EnterMode(kModeQuit);
  app->LeaveMode(kModeQuit);
  EXPECT_EQ(gRadio.mPlaying, 1) << "only leaving flight stops the music";
  EXPECT_EQ(app->LeaveMode(kModeFlight), 1);
  EXPECT_EQ(gRadio.mPlaying, 0);

  gRadio.mEnabled = 0;
  app->EnterMode(kModeFlight);
  EXPECT_EQ(gRadio.mPlaying, 0) << "the player wants no music";
}

TEST_F(GameAppRadioTest, TheIdleUpdateStepsTheRadioLateInEachFrameRateWindow) {
  app->Startup();
  app->EnterMode(kModeFlight);
  clock.systemMs += kRadioGapMs;
  app->IdleUpdate(750);
  EXPECT_EQ(SchedulePosition(), 0);
  app->IdleUpdate(751);
  EXPECT_EQ(SchedulePosition(), 1);
  app->LeaveMode(kModeFlight);
  app->IdleUpdate(751);
  EXPECT_EQ(SchedulePosition(), 1) << "a radio switched off is not stepped";
}

TEST_F(GameAppRadioTest, TheSavedPreferencesHoldTheRadioRecord) {
  app->Startup();
  gRadio.SetVolume(4321);
  app.reset();
  std::string saved = files.folder.Read("xdg/halvorine/tarvid.cfg");
  EXPECT_NE(saved.find(prefsbytes::Le(kRadioStateRecordId) + prefsbytes::Le(8 + kRadioStateBytes)), std::string::npos)
      << "a chunk 'REIO' of 36 bytes";
  PrefsFile prefs;
  ASSERT_EQ(prefs.Load(files.folder.Game("xdg/halvorine/tarvid.cfg")), PrefsFile::LoadResult::kRead);
  ASSERT_EQ(prefs.GetSize(kRadioStateRecordId), kRadioStateBytes);
  RadioState state;
  ASSERT_TRUE(DecodeRadioState(prefs.GetData(kRadioStateRecordId), kRadioStateBytes, state));
  EXPECT_EQ(state.volume, 4321);
}

}  // namespace
