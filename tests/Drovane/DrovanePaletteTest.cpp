#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/DrovanePalette.h"
#include "platform/Clock.h"
#include "platform/MemoryDisplay.h"
#include "platform/ThreadPriority.h"

using namespace platform;

namespace {

// The screen palette, recording every change with the time it was made.
class RecordingPalette : public MemoryPalette {
public:
  RecordingPalette() : MemoryPalette(nullptr) {}
  ResultCode SetEntries(uint32_t start, uint32_t count, const PaletteEntry* entries) override {
    changes.push_back({GetSystemTimeMs(), start, count});
    return MemoryPalette::SetEntries(start, count, entries);
  }
  struct Change {
    uint32_t ms;
    uint32_t start;
    uint32_t count;
  };
  std::vector<Change> changes;
};

class DrovanePaletteTest : public testing::Test {
protected:
  void SetUp() override {
    clock.msStepPerRead = 1;
    SetClockSource(&clock);
    ASSERT_EQ(DDEnable(), 0u);
    screen = new RecordingPalette();
    const std::array<PaletteEntry, 256> statics = StaticEntries();
    screen->MemoryPalette::SetEntries(0, 256, statics.data());
    lpPalette = screen;
    for (uint32_t i = 0; i < 256; ++i) colours[i] = i << 16 | (255 - i) << 8 | (i * 7 & 0xFF);
    palette.mpEntries = colours.data();
    palette.mCount = 256;
    SetThreadPriority(1);
  }
  void TearDown() override {
    EXPECT_EQ(GetThreadPriority(), 1);
    SetThreadPriority(kThreadPriorityNormal);
    lpPalette = nullptr;
    screen->Release();
    DDDisable();
    SetClockSource(nullptr);
  }

  static std::array<PaletteEntry, 256> StaticEntries() {
    std::array<PaletteEntry, 256> entries{};
    for (size_t i = 0; i < entries.size(); ++i) entries[i] = {static_cast<uint8_t>(i), 1, 2, 0};
    return entries;
  }
  void ExpectStaticColoursUntouched() const {
    const auto& entries = screen->Entries();
    for (int32_t i : {0, 9, 246, 255}) EXPECT_EQ(entries[i], StaticEntries()[i]) << i;
  }
  void ExpectAllGameColours(PaletteEntry expected) const {
    for (int32_t i = 10; i <= 245; ++i) ASSERT_EQ(screen->Entries()[i], expected) << i;
  }
  // Every step changes 10-245. A step's time runs from before its wait for the vertical
  // blank, so the timed steps together last at least their times less one frame (17 ms).
  void ExpectSteps(size_t count, uint32_t stepTime, size_t timedSteps) const {
    ASSERT_EQ(screen->changes.size(), count);
    for (const RecordingPalette::Change& change : screen->changes) {
      EXPECT_EQ(change.start, 10u);
      EXPECT_EQ(change.count, 236u);
    }
    if (timedSteps < 2) return;
    const uint32_t lasted = screen->changes[timedSteps - 1].ms - screen->changes[0].ms;
    EXPECT_GE(lasted + 17, (timedSteps - 1) * stepTime);
  }

  ManualClock clock;
  RecordingPalette* screen = nullptr;
  std::array<uint32_t, 256> colours{};
  DrovanePalette palette;
};

constexpr uint8_t kFlags = kPaletteReserved | kPaletteNoCollapse;

TEST_F(DrovanePaletteTest, FadeToBlackTakes64TimedStepsToBlack) {
  palette.FadeToBlack(640);
  ExpectSteps(64, 10, 64);
  ExpectAllGameColours({0, 0, 0, kFlags});
  ExpectStaticColoursUntouched();
}

TEST_F(DrovanePaletteTest, FadeToWhiteEndsWhite) {
  palette.FadeToWhite(64);
  ExpectSteps(64, 1, 64);
  ExpectAllGameColours({255, 255, 255, kFlags});
  ExpectStaticColoursUntouched();
}

TEST_F(DrovanePaletteTest, FadeToColorEndsNearTheColour) {
  palette.FadeToColor(0x204060, 0);
  ExpectSteps(64, 0, 64);
  for (int32_t i = 10; i <= 245; ++i) {
    const PaletteEntry& e = screen->Entries()[i];
    EXPECT_NEAR(e.red, 0x20, 3) << i;
    EXPECT_NEAR(e.green, 0x40, 3) << i;
    EXPECT_NEAR(e.blue, 0x60, 3) << i;
  }
}

TEST_F(DrovanePaletteTest, FadeBetweenEndsOnExactlyTheTarget) {
  struct Case {
    int32_t steps;
    size_t changes;
    uint32_t stepTime;
  };
  // Below 1 step the target comes at once; 3 steps has a quarter of 0, counted as 1; past
  // 200 steps the count is cut but the step time is not.
  for (const Case& c : {Case{-5, 1, 0}, Case{0, 1, 0}, Case{1, 1, 0}, Case{3, 2, 100}, Case{4, 3, 75},
                        Case{64, 63, 4}, Case{300, 199, 1}}) {
    screen->changes.clear();
    palette.FadeBetween(0xFFFFFF, 300, c.steps);
    // The last change, the exact target, is not timed.
    ExpectSteps(c.changes, c.stepTime, c.changes - 1);
    for (int32_t i = 10; i <= 245; ++i) {
      const uint32_t colour = colours[static_cast<size_t>(i)];
      ASSERT_EQ(screen->Entries()[i], (PaletteEntry{static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                                   static_cast<uint8_t>(colour), kFlags}))
          << "steps " << c.steps << " index " << i;
    }
    ExpectStaticColoursUntouched();
  }
}

TEST_F(DrovanePaletteTest, FadesWithoutAScreenPaletteDoNothing) {
  lpPalette = nullptr;
  palette.FadeToBlack(640);
  palette.FadeBetween(0, 640, 0);
  palette.ImplementNewPalette(colours.data());
  lpPalette = screen;
  EXPECT_TRUE(screen->changes.empty());
}

TEST_F(DrovanePaletteTest, ImplementNewPaletteSetsTheGameColoursAtOnce) {
  std::array<uint32_t, 256> grey{};
  grey.fill(0x808080);
  palette.ImplementNewPalette(grey.data());
  ExpectSteps(1, 0, 0);
  ExpectAllGameColours({128, 128, 128, kFlags});
  ExpectStaticColoursUntouched();
}

TEST_F(DrovanePaletteTest, FindNearestColorWeighsGreenMostAndTakesTheFirstOnTies) {
  uint32_t entries[] = {0x000000, 0x0A0000, 0x000A00, 0x00000A, 0x0A0000, 0x112233};
  DrovanePalette small(entries, 0, 6);
  struct Case {
    uint32_t colour;
    int32_t index;
  };
  // Red is weighed 3, blue 2 and green 4; 0x050505 is nearest to black, 0x0A0A0A to the green entry.
  for (const Case& c : {Case{0x112233, 5}, Case{0x0B0000, 1}, Case{0x050505, 0}, Case{0x0A0A0A, 2},
                        Case{0x00000B, 3}}) {
    int32_t index = -1;
    small.FindNearestColor(&c.colour, &index);
    EXPECT_EQ(index, c.index) << std::hex << c.colour;
  }
  DrovanePalette empty;
  int32_t index = -1;
  empty.FindNearestColor(&entries[0], &index);
  EXPECT_EQ(index, 0);
}

}  // namespace
