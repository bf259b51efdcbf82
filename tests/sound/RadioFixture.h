#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "Drovane/GameRandom.h"
#include "Drovane/SubtractiveRandom.h"
#include "SoundFixture.h"
#include "sound/Radio.h"

// A radio on the silent output and the manual clock, over a radio tree the test writes under
// "sound\radio\" of the data root, with both random sources seeded. Every item is a file of
// one sample level, so what the output played tells which item it was.
class RadioFixture : public SoundFixture {
protected:
  static constexpr uint32_t kRate = 22050;

  // An item as the output played it: its level, and when it started and how long it lasted.
  struct HeardItem {
    std::string name;
    uint32_t startMs = 0;
    uint32_t lengthMs = 0;
  };

  void SetUp() override {
    SoundFixture::SetUp();
    StartSound();
    mRootA = gDataPaths.RootA();
    mRootB = gDataPaths.RootB();
    gDataPaths.SetRoots(folder.Game("program"), folder.Game("data"));
    Seed(1);
    radio = std::make_unique<Radio>();
  }

  void TearDown() override {
    radio.reset();
    gDataPaths.SetRoots(mRootA, mRootB);
    SetGameRandomSource(nullptr);
    SoundFixture::TearDown();
  }

  static void Seed(uint32_t seed) {
    GameSeedRand(seed);
    gSubtractiveRandom.Seed(seed);
  }

  // The radio folder's path in the game's form, ending in a backslash.
  std::string RadioRoot() const { return folder.Game("data/sound/radio/"); }

  // A station folder named by an id file, when a name is given.
  void AddStation(const std::string& station, const std::string& idFile) {
    folder.MakeFolder("data/sound/radio/stations/" + station);
    if (!idFile.empty()) folder.Write("data/sound/radio/stations/" + station + "/" + idFile, "");
  }

  // A WAVE file under the radio folder, every sample at one level; the level names it.
  void AddItem(const std::string& relative, uint32_t ms = 200) {
    int16_t level = static_cast<int16_t>(1000 + 100 * mLevels.size());
    mLevels[level] = relative;
    WaveWriter writer(1, 16, kRate);
    writer.SetSamples16(std::vector<int16_t>(ms * kRate / 1000, level));
    folder.MakeFolder("data/sound/radio/" + relative.substr(0, relative.rfind('/')));
    Save("data/sound/radio/" + relative, writer);
  }

  // Moves the clock on in steps, updating the radio after each as the idle update does.
  void Run(uint32_t ms, uint32_t stepMs = 50) {
    for (uint32_t t = 0; t < ms; t += stepMs) {
      AdvanceMs(stepMs);
      radio->Update();
    }
  }

  // What the output played since the last ForgetPlayed, item by item.
  std::vector<HeardItem> Heard() {
    std::vector<int16_t> left = PlayedLeft();
    std::vector<HeardItem> items;
    size_t i = 0;
    while (i < left.size()) {
      if (left[i] == 0) {
        ++i;
        continue;
      }
      size_t start = i;
      while (i < left.size() && left[i] == left[start]) ++i;
      auto known = mLevels.find(left[start]);
      items.push_back({known == mLevels.end() ? "?" : known->second, Ms(start), Ms(i - start)});
    }
    return items;
  }

  static uint32_t Ms(size_t frames) { return static_cast<uint32_t>(frames * 1000 / kRate); }

  std::unique_ptr<Radio> radio;

private:
  std::map<int16_t, std::string> mLevels;
  std::string mRootA;
  std::string mRootB;
};
