#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"
#include "platform/WindowMessages.h"
#include "sound/SoundBank.h"
#include "sound/SoundSystem.h"
#include "soundfiles/WaveWriter.h"
#include "support/TempFolder.h"

// The sound system on the silent output, with the manual clock that the timers and the mixer
// follow, and a folder for the WAVE files the tests write.
class SoundFixture : public testing::Test {
protected:
  // The device only asks that there be a window to cooperate with.
  static constexpr platform::WindowHandle kTestWindow = 1;

  void SetUp() override {
    clock.systemMs = 1000;
    platform::SetClockSource(&clock);
    platform::SetTimersHeadless(true);
    silent = std::make_shared<platform::SilentSoundOutput>();
    platform::SetSoundOutput(silent);
    silent->KeepPlayed(true);
  }

  void TearDown() override {
    gSoundBank.DeleteAll();
    gSoundSystem.Release();
    platform::SetSoundOutput(nullptr);
    platform::RestartSound();
    platform::SetClockSource(nullptr);
  }

  void StartSound() { ASSERT_EQ(gSoundSystem.Initialize(kTestWindow), 1); }

  void AdvanceMs(uint32_t ms) { platform::AdvanceClock(clock, clock.systemMs + ms); }

  std::string Save(const std::string& name, const WaveWriter& writer) {
    std::string path = folder.Game(name);
    EXPECT_TRUE(writer.Save(path));
    return path;
  }

  // A 16-bit file whose every sample differs from its neighbours and from silence.
  static std::vector<int16_t> Ramp(size_t count, int16_t first = 1) {
    std::vector<int16_t> samples(count);
    for (size_t i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(first + static_cast<int16_t>(i % 30000));
    return samples;
  }

  // Everything the output played since the last ForgetPlayed, left and right interleaved.
  std::vector<int16_t> Played() {
    std::vector<int16_t> played = silent->Played();
    return std::vector<int16_t>(played.begin() + static_cast<long>(playedStart), played.end());
  }
  void ForgetPlayed() { playedStart = silent->Played().size(); }

  std::vector<int16_t> PlayedLeft() {
    std::vector<int16_t> played = Played();
    std::vector<int16_t> left;
    for (size_t i = 0; i < played.size(); i += 2) left.push_back(played[i]);
    return left;
  }

  platform::ManualClock clock;
  std::shared_ptr<platform::SilentSoundOutput> silent;
  TempFolder folder;
  size_t playedStart = 0;
};
