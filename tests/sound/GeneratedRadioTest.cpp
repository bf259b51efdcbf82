#include <algorithm>
#include <set>

#include "Drovane/StringTableFixture.h"
#include "RadioFixture.h"
#include "platform/Process.h"
#include "sound/WaveFile.h"

namespace {

// The radio over the data set the build generates: its stations, read as the game reads
// them, played on the silent output.
class GeneratedRadioTest : public RadioFixture {
protected:
  void SetUp() override {
    RadioFixture::SetUp();
    gDataPaths.SetRoots(folder.Game("program"), platform::ToGamePath(HALVORINE_DATA_SET));
  }

  // The samples of a mono 16-bit WAVE file at 22050 Hz; empty when it is not one.
  static std::vector<int16_t> ReadSamples(const std::string& path) {
    WaveFileHandle file;
    WaveFormat format;
    platform::RiffChunk riff, data;
    if (OpenWaveFile(path, file, format, riff) != kWaveOk || SeekWaveData(*file, data, riff) != kWaveOk) return {};
    if (format.formatTag != platform::kWaveFormatPcm || format.channels != 1 || format.bitsPerSample != 16 ||
        format.samplesPerSecond != kRate)
      return {};
    std::vector<uint8_t> bytes(data.size);
    uint32_t read = 0;
    if (ReadWaveData(*file, data.size, bytes.data(), data, read) != kWaveOk || read != bytes.size()) return {};
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
      samples[i] = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return samples;
  }

  // The samples from the first sound to the last.
  static std::vector<int16_t> Trimmed(const std::vector<int16_t>& samples) {
    auto first = std::find_if(samples.begin(), samples.end(), [](int16_t s) { return s != 0; });
    auto last = std::find_if(samples.rbegin(), samples.rend(), [](int16_t s) { return s != 0; }).base();
    return first < last ? std::vector<int16_t>(first, last) : std::vector<int16_t>();
  }

  struct Played {
    std::vector<int16_t> samples;
    size_t gapBefore = 0;  // frames of silence before it
  };

  // The output split where it was silent for 2 s or more: the items and the gaps between them.
  std::vector<Played> PlayedItems() {
    std::vector<int16_t> left = PlayedLeft();
    std::vector<Played> items;
    size_t silent = 0;
    for (int16_t sample : left) {
      if (sample == 0) {
        ++silent;
        continue;
      }
      if (items.empty() || silent >= 2 * kRate) {
        items.push_back({{}, silent});
      } else {
        items.back().samples.insert(items.back().samples.end(), silent, 0);
      }
      silent = 0;
      items.back().samples.push_back(sample);
    }
    return items;
  }
};

TEST_F(GeneratedRadioTest, TwoStationsOfOurOwnWithEveryKindOfItem) {
  ScopedStringTable table(SmallLanguageTable());
  ASSERT_EQ(radio->BuildStations(), 2);
  std::vector<std::string> names;
  for (RadioStation& station : radio->mStations) {
    std::string name;
    station.GetName(name);
    names.push_back(name);
    station.Tune();
    SCOPED_TRACE(name);
    EXPECT_EQ(station.mGroups[kRadioMusic].files.size(), 3u);
    EXPECT_EQ(station.mGroups[kRadioDj].files.size(), 3u);
    EXPECT_EQ(station.mGroups[kRadioCommercial].files.size(), 3u);
    EXPECT_GE(station.mGroups[kRadioJingle].files.size(), 1u);
    EXPECT_LE(station.mGroups[kRadioJingle].files.size(), 2u);
    for (const RadioItemGroup& group : station.mGroups) {
      for (const std::string& file : group.files) {
        SCOPED_TRACE(file);
        std::vector<int16_t> sound = Trimmed(ReadSamples(group.folder + file));
        double seconds = static_cast<double>(sound.size()) / kRate;
        if (&group == &station.mGroups[kRadioMusic]) {
          EXPECT_GE(seconds, 20.0);
          EXPECT_LE(seconds, 40.0);
        } else {
          EXPECT_GE(seconds, 1.0) << "a spoken item";
        }
      }
    }
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Harbour Jazz", "Rock City"}));
}

TEST_F(GeneratedRadioTest, TheStationsStreamTheirItemsWholeInListOrderWithTheirGaps) {
  ScopedStringTable table(SmallLanguageTable());
  ASSERT_EQ(radio->BuildStations(), 2);
  Seed(3);
  for (int32_t index : {0, 1}) {
    SCOPED_TRACE(index);
    radio->SetPlaying(0);
    radio->SelectStation(index);
    ForgetPlayed();
    radio->SetPlaying(1);
    Run(150000);
    const RadioStation& station = radio->mStations[static_cast<size_t>(index)];
    std::vector<Played> items = PlayedItems();
    ASSERT_GE(items.size(), 3u);
    items.pop_back();  // the last may have been cut off by the end of the run
    std::array<size_t, kRadioItemKinds> next{1, 1, 1, 1};
    size_t silenceAfterLast = 0;
    for (size_t i = 0; i < items.size(); ++i) {
      SCOPED_TRACE(i);
      std::vector<int16_t> file;
      for (int32_t kind = 0; kind < kRadioItemKinds && file.empty(); ++kind) {
        const RadioItemGroup& group = station.mGroups[static_cast<size_t>(kind)];
        if (group.files.empty()) continue;
        size_t& position = next[static_cast<size_t>(kind)];
        std::vector<int16_t> expected = ReadSamples(group.folder + group.files[position % group.files.size()]);
        if (Trimmed(expected) != items[i].samples) continue;
        file = expected;
        ++position;
      }
      ASSERT_FALSE(file.empty()) << "the item is the next file of its kind's list, played whole";
      // The silence heard is the gap and the silence the files hold at their ends.
      size_t leading = static_cast<size_t>(std::find_if(file.begin(), file.end(), [](int16_t s) { return s != 0; }) -
                                           file.begin());
      size_t gap = items[i].gapBefore - leading - silenceAfterLast;
      EXPECT_GE(gap, kRadioGapMs * kRate / 1000);
      EXPECT_LE(gap, (kRadioGapMs + 350) * kRate / 1000);
      silenceAfterLast = file.size() - leading - items[i].samples.size();
    }
  }
}

}  // namespace
