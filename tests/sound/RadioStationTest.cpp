#include <algorithm>
#include <set>

#include "Drovane/StringTableFixture.h"
#include "RadioFixture.h"

namespace {

class RadioStationTest : public RadioFixture {
protected:
  // One station of music only, switched on.
  void PlayMusicOnly(uint32_t itemMs = 200) {
    AddStation("solo", "Solo.id");
    AddItem("stations/solo/music/one.wav", itemMs);
    AddItem("stations/solo/music/two.wav", itemMs);
    ASSERT_EQ(radio->BuildStations(), 1);
    ForgetPlayed();
    radio->SetPlaying(1);
  }

  // The kind's folder in an item's path: "music", "dj", "commercl" or "jingle".
  static std::string KindFolder(const std::string& item) {
    for (const char* kind : {"music", "dj", "commercl", "jingle"})
      if (item.find(std::string(kind) + "/") != std::string::npos) return kind;
    return item;
  }

  static std::set<std::string> Names(const std::vector<HeardItem>& items) {
    std::set<std::string> names;
    for (const HeardItem& item : items) names.insert(item.name);
    return names;
  }
};

TEST_F(RadioStationTest, NoItemStartsBeforeTheGapAfterTheLastOneEnded) {
  PlayMusicOnly();
  Run(3990, 10);
  EXPECT_TRUE(Heard().empty()) << "a station switched on waits out a gap first";
  Run(30000, 10);
  std::vector<HeardItem> items = Heard();
  ASSERT_GE(items.size(), 5u);
  EXPECT_GE(items[0].startMs, kRadioGapMs - 10);
  EXPECT_LE(items[0].startMs, kRadioGapMs + 50);
  // The stream stops within a segment and a refill of the item's end; the next update finds it.
  for (size_t i = 1; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i - 1].lengthMs, 200u);
    uint32_t gap = items[i].startMs - (items[i - 1].startMs + items[i - 1].lengthMs);
    EXPECT_GE(gap, kRadioGapMs);
    EXPECT_LE(gap, kRadioGapMs + 300);
  }
}

TEST_F(RadioStationTest, WithOnlyMusicEveryItemIsMusicWhateverTheSchedule) {
  PlayMusicOnly();
  Run(60000);
  EXPECT_EQ(Names(Heard()), (std::set<std::string>{"stations/solo/music/one.wav", "stations/solo/music/two.wav"}));
}

TEST_F(RadioStationTest, AListOfOneFilePlaysItEveryTime) {
  AddStation("solo", "Solo.id");
  AddItem("stations/solo/music/only.wav");
  radio->BuildStations();
  ForgetPlayed();
  radio->SetPlaying(1);
  Run(20000);
  std::vector<HeardItem> items = Heard();
  EXPECT_GE(items.size(), 3u);
  EXPECT_EQ(Names(items), std::set<std::string>{"stations/solo/music/only.wav"});
}

// Draws that leave music now and then and let every other kind through whenever its slot
// comes up, so that each kind is offered within a few items.
class GenerousRandom : public GameRandomSource {
public:
  int32_t Next() override { return kDraws[mNext++ % kDraws.size()]; }

private:
  static constexpr std::array<int32_t, 3> kDraws = {76, 5, 5};
  size_t mNext = 0;
};

TEST_F(RadioStationTest, TheSettingsChooseWhichKindsPlay) {
  GenerousRandom draws;
  SetGameRandomSource(&draws);
  struct Case {
    int32_t dj;
    int32_t commercials;
    std::set<std::string> kinds;
  };
  AddStation("full", "Full.id");
  AddItem("stations/full/music/m1.wav", 100);
  AddItem("stations/full/music/m2.wav", 100);
  AddItem("stations/full/dj/English/d1.wav", 100);
  AddItem("stations/full/dj/English/d2.wav", 100);
  AddItem("commercl/English/c1.wav", 100);
  AddItem("stations/full/jingle/English/j1.wav", 100);
  ScopedStringTable table(SmallLanguageTable());
  for (const Case& c : {Case{1, 1, {"music", "dj", "commercl", "jingle"}}, Case{0, 1, {"music", "commercl", "jingle"}},
                        Case{1, 0, {"music", "dj"}}, Case{0, 0, {"music"}}}) {
    SCOPED_TRACE(testing::Message() << "DJ " << c.dj << ", commercials " << c.commercials);
    radio = std::make_unique<Radio>();
    Seed(7);
    ASSERT_EQ(radio->BuildStations(), 1);
    radio->SetSetting(c.dj, 0);
    radio->SetSetting(c.commercials, 1);
    ForgetPlayed();
    radio->SetPlaying(1);
    Run(60000);
    std::set<std::string> kinds;
    for (const HeardItem& item : Heard()) kinds.insert(KindFolder(item.name));
    EXPECT_EQ(kinds, c.kinds);
  }
}

TEST_F(RadioStationTest, HasItemsCountsOnlyWhatTheSettingsLetPlay) {
  RadioStation station(radio.get());
  for (int32_t kind = 0; kind < kRadioItemKinds; ++kind)
    station.mGroups[static_cast<size_t>(kind)].files.assign(static_cast<size_t>(kind + 1), "x.wav");
  struct Case {
    int32_t dj;
    int32_t commercials;
    std::array<int32_t, 5> counts;  // kinds 0 to 3, then an unknown kind
  };
  for (const Case& c : {Case{1, 1, {1, 2, 3, 4, 0}}, Case{0, 1, {1, 0, 3, 4, 0}}, Case{1, 0, {1, 2, 0, 0, 0}},
                        Case{0, 0, {1, 0, 0, 0, 0}}}) {
    radio->SetSetting(c.dj, 0);
    radio->SetSetting(c.commercials, 1);
    for (int32_t kind = 0; kind < 5; ++kind)
      EXPECT_EQ(station.HasItems(kind), c.counts[static_cast<size_t>(kind)]) << "kind " << kind;
  }
}

TEST_F(RadioStationTest, ShufflingKeepsTheFilesAndNeverOpensWithTheOldLastFile) {
  std::set<std::vector<std::string>> orders;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    Seed(seed);
    RadioStation station(radio.get());
    station.mGroups[0].files = {"a.wav", "b.wav", "c.wav", "d.wav"};
    station.mGroups[1].files = {"x.wav", "y.wav"};
    station.ShuffleAll();
    const std::vector<std::string>& music = station.mGroups[0].files;
    EXPECT_NE(music.front(), "d.wav");
    EXPECT_TRUE(std::is_permutation(music.begin(), music.end(), std::vector<std::string>{"a.wav", "b.wav", "c.wav", "d.wav"}.begin()));
    // Shuffled either way, two files end in their old order: "y" never opens.
    EXPECT_EQ(station.mGroups[1].files, (std::vector<std::string>{"x.wav", "y.wav"}));
    EXPECT_EQ(station.mGroups[0].position, 0u);
    EXPECT_EQ(station.mGroups[2].position, RadioItemGroup::kNotPlaced) << "an empty list is not placed";
    orders.insert(music);
  }
  EXPECT_GT(orders.size(), 6u) << "the lists are shuffled";
}

TEST_F(RadioStationTest, OnlyMusicMayOpenTheScheduleItEnded) {
  bool musicFollowedMusic = false;
  for (int32_t last = 0; last < kRadioItemKinds; ++last) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
      Seed(seed);
      RadioStation station(radio.get());
      std::vector<int32_t> schedule{0, 1, 2, 3};
      std::swap(schedule[static_cast<size_t>(last)], schedule.back());
      station.mSchedule = schedule;
      station.ReshuffleSchedule();
      EXPECT_TRUE(std::is_permutation(station.mSchedule.begin(), station.mSchedule.end(), schedule.begin()));
      if (last != kRadioMusic) {
        EXPECT_NE(station.mSchedule.front(), last) << "seed " << seed;
      }
      musicFollowedMusic |= last == kRadioMusic && station.mSchedule.front() == kRadioMusic;
    }
  }
  EXPECT_TRUE(musicFollowedMusic);
}

TEST_F(RadioStationTest, AfterFourStepsTheScheduleIsReshuffled) {
  AddStation("solo", "Solo.id");
  radio->BuildStations();
  RadioStation& station = radio->mStations[0];
  radio->SetPlaying(1);  // no items: every update after the gap walks one entry
  AdvanceMs(kRadioGapMs);
  for (int32_t step = 1; step <= 3; ++step) {
    std::vector<int32_t> before = station.mSchedule;
    radio->Update();
    EXPECT_EQ(station.mSchedulePosition, step);
    EXPECT_EQ(station.mSchedule, before);
  }
  int32_t last = station.mSchedule.back();
  radio->Update();
  EXPECT_EQ(station.mSchedulePosition, 0);
  if (last != kRadioMusic) {
    EXPECT_NE(station.mSchedule.front(), last);
  }
}

TEST_F(RadioStationTest, PlayingAKindStartsWithTheSecondFileOfItsShuffledList) {
  RadioStation station(radio.get());
  station.mGroups[0].files = {"a.wav", "b.wav", "c.wav"};
  station.mGroups[0].position = 0;
  for (size_t expected : {1u, 2u, 0u, 1u}) {
    station.PlayItem(kRadioMusic);
    EXPECT_EQ(station.mGroups[0].position, expected);
  }
  station.mGroups[0].position = RadioItemGroup::kNotPlaced;
  station.PlayItem(kRadioMusic);
  EXPECT_EQ(station.mGroups[0].position, 0u) << "an unplaced list starts at its first file";
}

TEST_F(RadioStationTest, GenreIndexFromTheStationFoldersOwnName) {
  struct Case {
    const char* folder;
    int32_t genre;
  };
  RadioStation station(radio.get());
  for (Case c : {Case{"x\\stations\\classic\\", 0}, Case{"x\\stations\\talk\\", 8}, Case{"x\\stations\\rb\\", 6},
                 Case{"x\\stations\\rockcity\\", -1}, Case{"x\\rock\\other\\", -1}}) {
    station.mFolder = c.folder;
    EXPECT_EQ(station.GetGenreIndex(), c.genre) << c.folder;
  }
  EXPECT_EQ(Radio::IsGenreDirectory("jazz\\"), 1);
  EXPECT_EQ(Radio::IsGenreDirectory("jazz"), 0);
  EXPECT_EQ(Radio::IsGenreDirectory("Jazz\\"), 0);
}

}  // namespace
