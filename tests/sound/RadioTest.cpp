#include "Drovane/PrefsFile.h"
#include "Drovane/StringTableFixture.h"
#include "RadioFixture.h"

namespace {

class RadioTest : public RadioFixture {
protected:
  void SetUp() override {
    RadioFixture::SetUp();
    SetPrefsFile(&prefs);
  }
  void TearDown() override {
    SetPrefsFile(nullptr);
    RadioFixture::TearDown();
  }

  // Stations "one", "two" and "three" with one music file each of `itemMs`.
  void AddThreeStations(uint32_t itemMs = 200) {
    for (const char* name : {"one", "three", "two"}) {
      AddStation(name, std::string(name) + ".id");
      AddItem(std::string("stations/") + name + "/music/" + name + ".wav", itemMs);
    }
    ASSERT_EQ(radio->BuildStations(), 3);
  }

  std::vector<std::string> StationNames() const {
    std::vector<std::string> names;
    for (const RadioStation& station : radio->mStations) {
      std::string name;
      station.GetName(name);
      names.push_back(name);
    }
    return names;
  }

  // Runs until an item plays; false when none started in a minute.
  bool RunUntilPlaying() {
    for (int step = 0; step < 1200; ++step) {
      if (radio->mSound.IsPlaying()) return true;
      Run(50);
    }
    return false;
  }

  int32_t SoundVolume() {
    int32_t volume = -1;
    radio->mSound.GetVolume(volume);
    return volume;
  }

  std::string Stations() const { return RadioRoot() + "stations\\"; }

  PrefsFile prefs;
};

TEST_F(RadioTest, StationsAreTheFoldersWithAnIdFileInNameOrder) {
  ScopedStringTable table(SmallLanguageTable());
  AddStation("bravo", "Bravo Beats.id");
  AddStation("alpha", "Alpha.idf");
  AddStation("charlie", "");
  AddStation("delta", "Delta.id");
  folder.Write("data/sound/radio/stations/echo.id", "");  // a file, no folder
  radio->mStationIndex = 3;
  EXPECT_EQ(radio->BuildStations(), 3);
  EXPECT_EQ(StationNames(), (std::vector<std::string>{"Alpha", "Bravo Beats", "Delta"}));
  EXPECT_EQ(radio->mStationIndex, 0) << "an index past the new list goes back to the first station";
  const RadioStation& alpha = radio->mStations[0];
  EXPECT_EQ(alpha.mFolder, Stations() + "alpha\\");
  EXPECT_EQ(alpha.mGroups[kRadioMusic].folder, Stations() + "alpha\\music\\");
  EXPECT_EQ(alpha.mGroups[kRadioDj].folder, Stations() + "alpha\\dj\\English\\");
  EXPECT_EQ(alpha.mGroups[kRadioCommercial].folder, RadioRoot() + "commercl\\English\\");
  EXPECT_EQ(alpha.mGroups[kRadioJingle].folder, Stations() + "alpha\\jingle\\English\\");
  EXPECT_EQ(alpha.GetId(), -1);
  EXPECT_TRUE(alpha.mGroups[kRadioMusic].files.empty()) << "lists are read when a station is tuned";
}

TEST_F(RadioTest, WithoutARadioFolderThereAreNoStationsAndNothingPlays) {
  EXPECT_EQ(radio->BuildStations(), 0);
  EXPECT_EQ(radio->SetPlaying(1), 1);
  EXPECT_EQ(radio->mPlaying, 0);
  EXPECT_EQ(radio->SelectStation(1), 0);
  EXPECT_EQ(radio->Update(), 0);
}

TEST_F(RadioTest, SpokenItemsFallBackToTheFirstLanguagesFolder) {
  struct Case {
    const char* name;
    int32_t fallback;
    bool frenchItems;
    const char* djFolder;  // under the station's folder
  };
  ScopedStringTable table(SmallLanguageTable());
  AddStation("alpha", "Alpha.id");
  for (Case c : {Case{"own items, fallback on", 1, true, "dj\\French\\"},
                 Case{"own items, fallback off", 0, true, "dj\\French\\"},
                 Case{"none of its own, fallback on", 1, false, "dj\\English\\"},
                 Case{"none of its own, fallback off", 0, false, "dj\\"}}) {
    SCOPED_TRACE(c.name);
    folder.Write("data/sound/radio/stations/alpha/dj/French/hello.wav", "");
    if (!c.frenchItems) std::filesystem::remove(folder.System("data/sound/radio/stations/alpha/dj/French/hello.wav"));
    ASSERT_EQ(SetCurrentLanguage(3), 1);
    radio->SetSetting(c.fallback, 2);
    radio->BuildStations();
    SetCurrentLanguage(1);
    EXPECT_EQ(radio->mStations[0].mGroups[kRadioDj].folder, Stations() + "alpha\\" + c.djFolder);
    std::string jingle = c.fallback ? "alpha\\jingle\\English\\" : "alpha\\jingle\\";
    EXPECT_EQ(radio->mStations[0].mGroups[kRadioJingle].folder, Stations() + jingle) << "it has no French jingles";
  }
  radio->SetSetting(0, 2);
  radio->BuildStations();
  EXPECT_EQ(radio->mStations[0].mGroups[kRadioDj].folder, Stations() + "alpha\\dj\\English\\")
      << "language 1 takes its own folder, items or not";
}

TEST_F(RadioTest, SelectingAStationStopsTheItemAndTunesTheNewStation) {
  AddThreeStations(10000);
  EXPECT_EQ(radio->SelectStation(0), 1);
  EXPECT_TRUE(radio->mStations[0].mGroups[kRadioMusic].files.empty()) << "the current index changes nothing";
  radio->SetPlaying(1);
  ASSERT_TRUE(RunUntilPlaying());
  EXPECT_EQ(radio->SelectStation(0), 1);
  EXPECT_TRUE(radio->mSound.IsPlaying());

  EXPECT_EQ(radio->SelectStation(2), 1);
  EXPECT_FALSE(radio->mSound.IsPlaying());
  EXPECT_EQ(radio->mStationIndex, 2);
  EXPECT_EQ(radio->mStations[2].mGroups[kRadioMusic].files, std::vector<std::string>{"two.wav"});
  ForgetPlayed();
  ASSERT_TRUE(RunUntilPlaying());
  Run(100);
  ASSERT_FALSE(Heard().empty());
  EXPECT_EQ(Heard()[0].name, "stations/two/music/two.wav");

  EXPECT_EQ(radio->SelectStation(99), 1);
  EXPECT_EQ(radio->mStationIndex, 2) << "past the list: the last station";
  EXPECT_EQ(radio->SelectStation(0), 1);
  EXPECT_EQ(radio->SelectStation(-1), 0);
  EXPECT_EQ(radio->mStationIndex, 0);
}

TEST_F(RadioTest, SwitchingOffStopsTheItemAndOnStartsTheCurrentStationAfterItsGap) {
  AddThreeStations(10000);
  radio->SelectStation(1);
  radio->SetPlaying(1);
  EXPECT_EQ(radio->mPlaying, 1);
  ASSERT_TRUE(RunUntilPlaying());
  EXPECT_EQ(radio->SetPlaying(0), 1);
  EXPECT_EQ(radio->mPlaying, 0);
  EXPECT_FALSE(radio->mSound.IsPlaying());
  EXPECT_EQ(radio->Update(), 0);
}

TEST_F(RadioTest, DuckingNestsAndKeepsTheVolumeSetMeanwhile) {
  struct Step {
    const char* action;
    int32_t soundVolume;
  };
  AddThreeStations(60000);
  radio->SetVolume(5000);
  radio->SetPlaying(1);
  ASSERT_TRUE(RunUntilPlaying());
  auto act = [&](const std::string& action) {
    if (action == "duck") radio->Duck(1);
    if (action == "unduck") radio->Duck(0);
    if (action == "volume 8000") radio->SetVolume(8000);
    if (action == "volume 60") radio->SetVolume(60);
  };
  for (Step step : {Step{"duck", 100}, Step{"duck", 100}, Step{"volume 8000", 100}, Step{"unduck", 100},
                    Step{"unduck", 8000}, Step{"unduck", 8000}, Step{"duck", 100}, Step{"volume 60", 60},
                    Step{"unduck", 60}, Step{"duck", 60}, Step{"unduck", 60}}) {
    act(step.action);
    EXPECT_EQ(SoundVolume(), step.soundVolume) << "after " << step.action;
  }
  EXPECT_EQ(radio->mDuckCount, 0) << "an unduck past zero is ignored";
  EXPECT_EQ(radio->mVolume, 60);
  EXPECT_EQ(radio->SetVolume(-5), 1);
  EXPECT_EQ(radio->mVolume, 0);
  radio->SetVolume(10001);
  EXPECT_EQ(radio->mVolume, 10000);
}

TEST_F(RadioTest, TheStateRecordRoundTrips) {
  radio->SetState({4321, 1, 0, 1, 1, 9, 0});
  radio->SetSetting(0, 1);
  ASSERT_EQ(radio->SaveSettings(), 1);
  ASSERT_EQ(prefs.GetSize(kRadioStateRecordId), kRadioStateBytes);
  const uint8_t* bytes = static_cast<const uint8_t*>(prefs.GetData(kRadioStateRecordId));
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 8), (std::vector<uint8_t>{0xE1, 0x10, 0, 0, 1, 0, 0, 0}));

  Radio loaded;
  loaded.LoadSettings();
  RadioState state;
  loaded.GetState(state);
  EXPECT_EQ(state, (RadioState{4321, 1, 0, 1, 0, 9, 0}));
  EXPECT_EQ(loaded.GetSetting(1), 0);
  EXPECT_EQ(loaded.GetSetting(3), 0);

  SetPrefsFile(nullptr);
  EXPECT_EQ(radio->SaveSettings(), 0);
}

TEST_F(RadioTest, ADoubtfulRecordLoadsDisabledAndAWrongSizeIsIgnored) {
  struct Case {
    const char* name;
    RadioState stored;
    uint32_t size;
    RadioState loaded;
  };
  const RadioState fresh;
  for (const Case& c : {Case{"volume 50", {50, 1, 0, 1, 1, 1, 1}, 28, {50, 0, 0, 1, 1, 1, 1}},
                        Case{"enabled 7", {5000, 7, 0, 0, 1, 1, 1}, 28, {5000, 0, 0, 0, 1, 1, 1}},
                        Case{"disabled", {5000, 0, 0, 1, 0, 3, 1}, 28, {5000, 0, 0, 1, 0, 3, 1}},
                        Case{"volume past full", {20000, 1, 0, 1, 1, 1, 1}, 28, {10000, 1, 0, 1, 1, 1, 1}},
                        Case{"too short", {5000, 0, 0, 0, 0, 0, 0}, 27, fresh},
                        Case{"too long", {5000, 0, 0, 0, 0, 0, 0}, 29, fresh}}) {
    SCOPED_TRACE(c.name);
    std::array<uint8_t, kRadioStateBytes> record = EncodeRadioState(c.stored);
    std::vector<uint8_t> bytes(record.begin(), record.end());
    bytes.resize(c.size);
    prefs.SetData(kRadioStateRecordId, bytes.data(), c.size);
    Radio loaded;
    EXPECT_EQ(loaded.LoadSettings(), 1);
    RadioState state;
    loaded.GetState(state);
    EXPECT_EQ(state, c.loaded);
  }
}

TEST_F(RadioTest, AStoredStationIndexStaysInsideTheList) {
  AddThreeStations();
  struct Case {
    int32_t stored;
    int32_t kept;
  };
  for (Case c : {Case{7, 2}, Case{-3, 0}, Case{1, 1}, Case{2, 2}}) {
    radio->SetState({10000, 1, c.stored, 1, 1, 1, 1});
    EXPECT_EQ(radio->mStationIndex, c.kept) << "stored " << c.stored;
  }
  radio->SetState({10000, 1, 99, 1, 1, 1, 1});
  radio->SetPlaying(1);
  EXPECT_EQ(radio->mStations[2].mGroups[kRadioMusic].files, std::vector<std::string>{"two.wav"})
      << "switching on tunes the stored station";
}

TEST_F(RadioTest, InitializeBuildsTheStationsThenRestoresTheSettings) {
  AddThreeStations();
  std::array<uint8_t, kRadioStateBytes> record = EncodeRadioState({3000, 1, 5, 0, 1, 1, 0});
  prefs.SetData(kRadioStateRecordId, record.data(), kRadioStateBytes);
  Radio fresh;
  EXPECT_EQ(fresh.Initialize(), 1);
  EXPECT_EQ(fresh.GetStationCount(), 3);
  RadioState state;
  fresh.GetState(state);
  EXPECT_EQ(state, (RadioState{3000, 1, 2, 0, 1, 1, 0}));
  fresh.SetVolume(700);
  EXPECT_EQ(fresh.Shutdown(), 1);
  ASSERT_EQ(prefs.GetSize(kRadioStateRecordId), kRadioStateBytes);
  EXPECT_EQ(*static_cast<const uint8_t*>(prefs.GetData(kRadioStateRecordId)), 700 & 0xFF);
}

}  // namespace
