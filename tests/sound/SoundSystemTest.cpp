#include "sound/SoundSystem.h"

#include "SoundFixture.h"
#include "sound/DigitalSound.h"
#include "sound/SoundMemory.h"

namespace {

using SoundSystemTest = SoundFixture;

TEST_F(SoundSystemTest, EachFailedStepOfSetUpLeavesTheGameSilent) {
  struct Case {
    platform::SoundCall call;
    const char* name;
  };
  WaveWriter writer(1, 8, 22050);
  writer.SetSampleBytes(std::vector<uint8_t>(1000, 200));
  std::string path = Save("a.wav", writer);
  for (Case c : {Case{platform::SoundCall::CreateDevice, "create"}, Case{platform::SoundCall::GetCaps, "caps"},
                 Case{platform::SoundCall::SetCooperativeLevel, "level"},
                 Case{platform::SoundCall::CreateBuffer, "primary buffer"}, Case{platform::SoundCall::Play, "play"}}) {
    SCOPED_TRACE(c.name);
    silent->FailNext(c.call, platform::kSoundGeneric);
    EXPECT_EQ(gSoundSystem.Initialize(kTestWindow), 0);
    EXPECT_EQ(lpDS, nullptr);
    EXPECT_EQ(gSoundSystem.IsReady(), 0);
    DigitalSound sound(path, kLoadInMemory);
    EXPECT_EQ(sound.Play(0, 0), 0);
    gSoundSystem.Release();
  }
  StartSound();
  EXPECT_EQ(gSoundSystem.IsReady(), 1);
}

TEST_F(SoundSystemTest, PrimaryVolumeIsTheMasterLevel) {
  int32_t volume = -1;
  EXPECT_EQ(gSoundSystem.GetPrimaryVolume(volume), 0);
  StartSound();
  EXPECT_EQ(gSoundSystem.SetPrimaryVolume(7000), 1);
  EXPECT_EQ(gSoundSystem.GetPrimaryVolume(volume), 1);
  EXPECT_EQ(volume, 7000);
}

TEST_F(SoundSystemTest, ReleaseLeavesLaterSoundsSilent) {
  StartSound();
  WaveWriter writer(1, 8, 22050);
  writer.SetSampleBytes(std::vector<uint8_t>(1000, 200));
  DigitalSound sound(Save("a.wav", writer), kLoadInMemory);
  gSoundSystem.Release();
  EXPECT_EQ(lpDS, nullptr);
  EXPECT_EQ(sound.Play(0, 0), 0);
}

TEST_F(SoundSystemTest, BankSlotsOwnTheirSounds) {
  StartSound();
  WaveWriter writer(1, 8, 22050);
  writer.SetSampleBytes(std::vector<uint8_t>(22050, 200));
  std::string path = Save("a.wav", writer);
  uint32_t memoryBefore = GetSoundMemoryUsed();

  EXPECT_EQ(gSoundBank.Play(5, 0, 0), 0);
  gSoundBank.Stop(5);
  gSoundBank.LoadFileSound(path, 5, kLoadInMemory);
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore) << "nothing is read before the first play";
  EXPECT_EQ(gSoundBank.Play(5, 0, 0), 1);
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore + 22050);
  EXPECT_EQ(gSoundBank.GetSound(5)->IsPlaying(), 1);

  // Loading over a playing sound deletes it, buffers and all.
  gSoundBank.LoadFileSound(path, 5, kLoadInMemory);
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore);
  EXPECT_EQ(gSoundBank.Play(5, 0, 0), 1);
  gSoundBank.StopAll();
  EXPECT_EQ(gSoundBank.GetSound(5)->IsPlaying(), 0);

  gSoundBank.DeleteAll();
  EXPECT_EQ(GetSoundMemoryUsed(), memoryBefore);
  for (int index : {0, 5, 127}) EXPECT_EQ(gSoundBank.Play(index, 0, 0), 0);
}

}  // namespace
