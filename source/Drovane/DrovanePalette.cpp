#include "Drovane/DrovanePalette.h"

#include <algorithm>
#include <array>
#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "platform/Clock.h"
#include "platform/ScreenColours.h"
#include "platform/StaticColours.h"
#include "platform/SystemPalette.h"
#include "platform/ThreadPriority.h"

using namespace platform;

GamePalette gGamePalette;

namespace {

using ScreenColours = std::array<PaletteEntry, 256>;

constexpr uint8_t kGameColourFlags = kPaletteReserved | kPaletteNoCollapse;
constexpr uint32_t kGameColourCount = kLastGameColour - kFirstGameColour + 1;
constexpr int32_t kHalvingSteps = 64;
constexpr int32_t kMaxFadeSteps = 200;

PaletteEntry ToScreenEntry(uint32_t colour) {
  return {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour),
          kGameColourFlags};
}

// Indexes 10-245 from count colours (black past the end), every one with the game's flags.
ScreenColours GameColours(const uint32_t* entries, int32_t count) {
  ScreenColours colours{};
  for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) {
    colours[static_cast<size_t>(i)] = ToScreenEntry(entries && i < count ? entries[i] : 0);
  }
  return colours;
}

// At the next vertical blank, the colours' 10-245 into the screen palette.
void ShowAtBlank(const ScreenColours& colours) {
  lpDD->WaitForVerticalBlank(kWaitBlankBegin);
  lpPalette->SetEntries(kFirstGameColour, kGameColourCount, &colours[kFirstGameColour]);
}

void WaitForStepEnd(uint32_t start, uint32_t stepTime) {
  while (GetSystemTimeMs() - start < stepTime) {
  }
}

// The fades run at the highest priority and give the caller's priority back.
class RaisedPriority {
public:
  RaisedPriority() : mSaved(GetThreadPriority()) { SetThreadPriority(kThreadPriorityHighest); }
  ~RaisedPriority() { SetThreadPriority(mSaved); }
  RaisedPriority(const RaisedPriority&) = delete;
  RaisedPriority& operator=(const RaisedPriority&) = delete;

private:
  int mSaved;
};

// One component's next value from its value c, its target and the step's fraction n / d.
using StepRule = int32_t (*)(int32_t c, int32_t target, int32_t n, int32_t d);

// 64 timed steps; before each step whose number is a multiple of 16 the divisor halves
// (64, then 32, 16, 8, 4) and the numerator is one less.
void RunHalvingFade(ScreenColours colours, PaletteEntry target, uint32_t duration, StepRule rule) {
  const uint32_t stepTime = duration / kHalvingSteps;
  int32_t n = 63;
  int32_t d = 64;
  for (int32_t step = 0; step < kHalvingSteps; ++step) {
    const uint32_t start = GetSystemTimeMs();
    if (step % (kHalvingSteps / 4) == 0) {
      d /= 2;
      n = d - 1;
    }
    for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) {
      PaletteEntry& e = colours[static_cast<size_t>(i)];
      e.red = static_cast<uint8_t>(rule(e.red, target.red, n, d));
      e.green = static_cast<uint8_t>(rule(e.green, target.green, n, d));
      e.blue = static_cast<uint8_t>(rule(e.blue, target.blue, n, d));
    }
    ShowAtBlank(colours);
    WaitForStepEnd(start, stepTime);
  }
}

int32_t TowardsWhite(int32_t c, int32_t, int32_t n, int32_t d) { return 255 - (255 - c) * n / d; }
int32_t TowardsBlack(int32_t c, int32_t, int32_t n, int32_t d) { return c * n / d; }
int32_t TowardsTarget(int32_t c, int32_t target, int32_t n, int32_t d) { return c + n * (target - c) / d; }
int32_t CloseOnTarget(int32_t previous, int32_t target, int32_t n, int32_t d) {
  return target - n * (target - previous) / d;
}

}  // namespace

DrovanePalette::DrovanePalette(uint32_t* entries, int32_t ownsEntries, int32_t count)
    : mpEntries(entries), mCount(count), mOwnsEntries(ownsEntries) {}

DrovanePalette::~DrovanePalette() {
  if (mOwnsEntries && mpEntries) delete[] mpEntries;
}

void DrovanePalette::GetEntry(int32_t index, uint32_t* pEntry) const { *pEntry = mpEntries[index]; }

void DrovanePalette::FindNearestColor(const uint32_t* pColor, int32_t* pIndex) const {
  *pIndex = platform::NearestColourIndex(mpEntries, mCount, *pColor);
}

void DrovanePalette::FadeToWhite(uint32_t duration) {
  RaisedPriority priority;
  if (!lpPalette || !lpDD) return;
  RunHalvingFade(GameColours(mpEntries, mCount), {}, duration, TowardsWhite);
}

void DrovanePalette::FadeToBlack(uint32_t duration) {
  RaisedPriority priority;
  if (!lpPalette || !lpDD) return;
  RunHalvingFade(GameColours(mpEntries, mCount), {}, duration, TowardsBlack);
}

void DrovanePalette::FadeToColor(uint32_t color, uint32_t duration) {
  RaisedPriority priority;
  if (!lpPalette || !lpDD) return;
  RunHalvingFade(GameColours(mpEntries, mCount), ToScreenEntry(color), duration, TowardsTarget);
}

void DrovanePalette::FadeBetween(uint32_t color, uint32_t duration, int32_t steps) {
  FadeBetween(color, mpEntries, duration, steps);
}

void DrovanePalette::FadeBetween(uint32_t color, const uint32_t* entries, uint32_t duration, int32_t steps) {
  RaisedPriority priority;
  if (!lpPalette || !lpDD) return;
  const ScreenColours target = GameColours(entries, 256);
  if (steps < 1) {
    ShowAtBlank(target);
    return;
  }
  const uint32_t stepTime = duration / static_cast<uint32_t>(steps);
  steps = std::min(steps, kMaxFadeSteps);
  const int32_t quarter = std::max(steps / 4, 1);
  std::vector<ScreenColours> palettes(static_cast<size_t>(steps), GameColours(nullptr, 0));
  const PaletteEntry start = ToScreenEntry(color);
  for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) palettes[0][static_cast<size_t>(i)] = start;
  palettes.back() = target;
  int32_t n = 63;
  int32_t d = 64;
  for (int32_t s = 1; s <= steps - 2; ++s) {
    const uint32_t begin = GetSystemTimeMs();
    if (s % quarter == 0) {
      d /= 2;
      n = d - 1;
    }
    const ScreenColours& previous = palettes[static_cast<size_t>(s - 1)];
    ScreenColours& current = palettes[static_cast<size_t>(s)];
    for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) {
      const PaletteEntry& p = previous[static_cast<size_t>(i)];
      const PaletteEntry& t = target[static_cast<size_t>(i)];
      current[static_cast<size_t>(i)] = {static_cast<uint8_t>(CloseOnTarget(p.red, t.red, n, d)),
                                         static_cast<uint8_t>(CloseOnTarget(p.green, t.green, n, d)),
                                         static_cast<uint8_t>(CloseOnTarget(p.blue, t.blue, n, d)), kGameColourFlags};
    }
    ShowAtBlank(current);
    WaitForStepEnd(begin, stepTime);
  }
  ShowAtBlank(palettes.back());
}

void DrovanePalette::ImplementNewPalette(const uint32_t* entries) {
  if (!lpPalette || !entries) return;
  const ScreenColours colours = GameColours(entries, 256);
  const ResultCode result = lpPalette->SetEntries(kFirstGameColour, kGameColourCount, &colours[kFirstGameColour]);
  if (result != kResultOk) ReportDirectDrawError(result, "Error in DrovanePalette::ImplementNewPalette after SetEntries()");
}

void DrovanePalette::FillWithColor(uint32_t color) {
  if (!lpPalette || !lpDD) return;
  ScreenColours colours{};
  colours.fill(ToScreenEntry(color));
  ShowAtBlank(colours);
}

void RealizeBlackPalette() {
  ScreenColours black{};
  black.fill({0, 0, 0, kGameColourFlags});
  RealizeSystemPalette(black.data());
}
