#include "sound/DigitalSound.h"

#include "SoundFixture.h"
#include "sound/SoundMemory.h"

namespace {

class DigitalSoundTest : public SoundFixture {
protected:
  void SetUp() override {
    SoundFixture::SetUp();
    StartSound();
  }

  // A file of `frames` frames of a steady non-silent level.
  std::string SaveSteady(uint16_t channels, uint16_t bits, uint32_t frames, uint32_t rate = 22050) {
    WaveWriter writer(channels, bits, rate);
    writer.SetSampleBytes(std::vector<uint8_t>(static_cast<size_t>(frames) * channels * bits / 8, 0x40));
    return Save("steady.wav", writer);
  }

  static void Count(uintptr_t data) { ++*reinterpret_cast<int*>(data); }
};

TEST_F(DigitalSoundTest, PlaysLoadingAtTheFirstPlay) {
  uint32_t memoryBefore = GetSoundMemoryUsed();
  DigitalSound sound(SaveSteady(1, 8, 2205), kLoadInMemory);
  EXPECT_EQ(sound.IsPlaying(), 0);
  EXPECT_EQ(sound.Play(0, 0), 1);
  EXPECT_EQ(sound.IsPlaying(), 1);
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore + 2205);
  AdvanceMs(110);
  EXPECT_EQ(sound.IsPlaying(), 0);
  sound.Unload();
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore);
}

TEST_F(DigitalSoundTest, OverlapsOnEightBuffersAndDropsTheNinthPlay) {
  DigitalSound sound(SaveSteady(1, 8, 22050), kLoadInMemory);
  for (int play = 0; play < 8; ++play) EXPECT_EQ(sound.Play(0, kPlayModeOverlap), 1) << play;
  EXPECT_EQ(sound.Play(0, kPlayModeOverlap), 0);
  AdvanceMs(1100);
  EXPECT_EQ(sound.IsPlaying(), 0);
  EXPECT_EQ(sound.Play(0, kPlayModeOverlap), 1) << "an idle buffer is reused";
}

TEST_F(DigitalSoundTest, PlayModesOnAPlayingSound) {
  DigitalSound sound(SaveSteady(1, 16, 22050), kLoadInMemory);
  ASSERT_EQ(sound.Play(0, 0), 1);
  AdvanceMs(500);
  EXPECT_EQ(sound.Play(0, kPlayModeLeave), 1);
  EXPECT_GT(sound.GetRemainingTime(), 0u);
  EXPECT_LT(sound.GetRemainingTime(), 600u) << "mode 2 leaves it where it was";
  EXPECT_EQ(sound.Play(0, kPlayModeRestart), 1);
  EXPECT_EQ(sound.GetRemainingTime(), 1000u) << "mode 1 rewinds it";
  sound.SetPlayMode(kPlayModeLeave);
  AdvanceMs(200);
  EXPECT_EQ(sound.Play(0, kPlayModeDefault), 1);
  EXPECT_LT(sound.GetRemainingTime(), 900u) << "mode 0 takes the sound's own mode";
  sound.SetPlayMode(kPlayModeOverlap);
  EXPECT_EQ(sound.Play(0, kPlayModeDefault), 1);
  AdvanceMs(850);
  EXPECT_EQ(sound.IsPlaying(), 1) << "the overlapping copy still plays";
  AdvanceMs(300);
  EXPECT_EQ(sound.IsPlaying(), 0);
}

TEST_F(DigitalSoundTest, LevelsAreSetAndReadInTheGamesUnits) {
  DigitalSound sound(SaveSteady(2, 16, 1000), kLoadInMemory);
  int32_t value = 0;
  uint32_t frequency = 0;
  EXPECT_EQ(sound.SetVolume(8000), 0) << "no buffer before the first play";
  ASSERT_EQ(sound.Play(0, 0), 1);
  EXPECT_EQ(sound.GetVolume(value), 1);
  EXPECT_EQ(value, 8000) << "the stored volume is applied at play";
  EXPECT_EQ(sound.SetVolume(2500), 1);
  EXPECT_EQ(sound.GetVolume(value), 1);
  EXPECT_EQ(value, 2500);
  struct PanCase {
    int32_t set, read;
  };
  for (PanCase c : {PanCase{-3000, -3000}, PanCase{20000, 10000}, PanCase{-20000, -10000}}) {
    EXPECT_EQ(sound.SetPan(c.set), 1);
    EXPECT_EQ(sound.GetPan(value), 1);
    EXPECT_EQ(value, c.read) << c.set;
  }
  struct FrequencyCase {
    uint32_t set, read;
  };
  for (FrequencyCase c : {FrequencyCase{11025, 11025}, FrequencyCase{50, 100}, FrequencyCase{200000, 100000}}) {
    EXPECT_EQ(sound.SetFrequency(c.set), 1);
    EXPECT_EQ(sound.GetFrequency(frequency), 1);
    EXPECT_EQ(frequency, c.read) << c.set;
  }
  EXPECT_EQ(sound.GetBaseFrequency(), 22050u);
}

TEST_F(DigitalSoundTest, LoopingSticksUntilTheFileIsSetAgain) {
  std::string path = SaveSteady(1, 8, 2205);
  DigitalSound sound(path, kLoadInMemory);
  ASSERT_EQ(sound.Play(1, 0), 1);
  EXPECT_EQ(sound.GetRemainingTime(), 0x7FFFFFFFu);
  AdvanceMs(500);
  EXPECT_EQ(sound.IsPlaying(), 1);
  sound.Stop();
  ASSERT_EQ(sound.Play(0, 0), 1);
  AdvanceMs(500);
  EXPECT_EQ(sound.IsPlaying(), 1);
  sound.SetFileName(path);
  ASSERT_EQ(sound.Play(0, 0), 1);
  AdvanceMs(500);
  EXPECT_EQ(sound.IsPlaying(), 0);
}

TEST_F(DigitalSoundTest, ALostBufferIsRestoredAndPlayed) {
  DigitalSound sound(SaveSteady(1, 8, 2205), kLoadInMemory);
  ASSERT_EQ(sound.Load(), 1);
  silent->FailNext(platform::SoundCall::Play, platform::kSoundBufferLost);
  EXPECT_EQ(sound.Play(0, 0), 1);
  EXPECT_EQ(sound.IsPlaying(), 1);
  sound.Stop();
  silent->FailNext(platform::SoundCall::Play, platform::kSoundBufferLost);
  silent->FailNext(platform::SoundCall::Restore, platform::kSoundGeneric);
  EXPECT_EQ(sound.Play(0, 0), 0);
}

TEST_F(DigitalSoundTest, FilesThatCannotBeReadNeverPlay) {
  uint32_t memoryBefore = GetSoundMemoryUsed();
  WaveWriter cut(1, 8, 22050);
  cut.SetSampleBytes(std::vector<uint8_t>(5000, 1));
  cut.SetDamage(kWaveCutData);
  std::string paths[] = {folder.Game("missing.wav"), Save("cut.wav", cut)};
  for (const std::string& path : paths) {
    DigitalSound sound(path, kLoadStreamedIfLarge);
    EXPECT_EQ(sound.ShouldStream(), 0);
    EXPECT_EQ(sound.Play(0, 0), 0);
    EXPECT_EQ(sound.Play(0, 0), 0);
    EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore);
  }
}

// The callback of a play comes once, just after the sound's last frame, whatever its format.
TEST_F(DigitalSoundTest, CompletionComesOnceAtTheEnd) {
  struct Case {
    uint16_t channels, bits;
    uint32_t frames;
  };
  for (Case c : {Case{1, 8, 33075}, Case{2, 8, 11025}, Case{1, 16, 2205}, Case{2, 16, 44100}}) {
    SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits");
    DigitalSound sound(SaveSteady(c.channels, c.bits, c.frames), kLoadInMemory);
    int calls = 0;
    sound.SetCompletionCallback(&Count, reinterpret_cast<uintptr_t>(&calls));
    ASSERT_EQ(sound.Play(0, 0), 1);
    uint32_t lengthMs = c.frames * 1000 / 22050;
    EXPECT_EQ(sound.GetRemainingTime(), lengthMs);
    AdvanceMs(lengthMs - 1);
    EXPECT_EQ(calls, 0);
    AdvanceMs(21);
    EXPECT_EQ(calls, 1);
    AdvanceMs(2000);
    EXPECT_EQ(calls, 1);
    sound.Stop();
    EXPECT_EQ(calls, 1);
  }
}

TEST_F(DigitalSoundTest, StopReportsAnArmedCompletionOnce) {
  struct Case {
    const char* name;
    uint32_t stopAfterMs;
  };
  // The sound lasts 1500.2 ms: its timer finds it still playing at 1500 and looks again at 1510.
  for (Case c : {Case{"before the end", 700}, Case{"between the end and the next poll", 1505}}) {
    SCOPED_TRACE(c.name);
    DigitalSound sound(SaveSteady(1, 8, 33080), kLoadInMemory);
    int calls = 0;
    sound.SetCompletionCallback(&Count, reinterpret_cast<uintptr_t>(&calls));
    ASSERT_EQ(sound.Play(0, 0), 1);
    AdvanceMs(c.stopAfterMs);
    EXPECT_EQ(calls, 0);
    sound.Stop();
    EXPECT_EQ(calls, 1);
    AdvanceMs(1000);
    EXPECT_EQ(calls, 1);
  }
}

// 60 s of 16-bit stereo is over 5 MB: bytes times 1000 would not fit in 32 bits.
TEST_F(DigitalSoundTest, RemainingTimeCountsFramesOfALongStereoSound) {
  DigitalSound sound(SaveSteady(2, 16, 60 * 22050), kLoadInMemory);
  ASSERT_EQ(sound.Load(), 1);
  EXPECT_EQ(sound.GetRemainingTime(), 60000u);
  ASSERT_EQ(sound.Play(0, 0), 1);
  AdvanceMs(15000);
  EXPECT_EQ(sound.GetRemainingTime(), 45000u);
}

TEST_F(DigitalSoundTest, StopOfASilentSoundCallsNothing) {
  DigitalSound sound(SaveSteady(1, 8, 2205), kLoadInMemory);
  int calls = 0;
  sound.SetCompletionCallback(&Count, reinterpret_cast<uintptr_t>(&calls));
  sound.Stop();
  EXPECT_EQ(calls, 0);
  ASSERT_EQ(sound.Play(0, 0), 1);
  sound.ClearCompletionCallback();
  AdvanceMs(1000);
  sound.Stop();
  EXPECT_EQ(calls, 0);
}

}  // namespace
