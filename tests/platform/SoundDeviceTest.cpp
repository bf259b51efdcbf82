#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "SilentSoundFixture.h"

using namespace platform;

namespace {

class SoundDeviceTest : public SilentSoundFixture {};

std::vector<uint8_t> Ramp(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i);
  return bytes;
}

TEST_F(SoundDeviceTest, FormatsABufferCannotHoldFailCreation) {
  SoundFormat good = PcmFormat(2, 16, 22050);
  const struct {
    const char* name;
    SoundFormat format;
  } cases[] = {
      {"not PCM", [&] { SoundFormat f = good; f.formatTag = 2; return f; }()},
      {"no channels", PcmFormat(0, 16, 22050)},
      {"three channels", PcmFormat(3, 16, 22050)},
      {"12-bit", PcmFormat(1, 12, 22050)},
      {"24-bit", PcmFormat(2, 24, 22050)},
      {"rate below 100", PcmFormat(1, 8, 99)},
      {"rate above 100000", PcmFormat(1, 8, 100001)},
      {"block alignment off", [&] { SoundFormat f = good; f.blockAlign = 2; return f; }()},
      {"bytes per second off", [&] { SoundFormat f = good; f.averageBytesPerSecond = 44100; return f; }()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<SoundBuffer> buffer;
    SoundBufferDescription description{kSoundBufferControlDefault, 1024, &c.format};
    EXPECT_EQ(device->CreateSoundBuffer(description, buffer), kSoundBadFormat);
    EXPECT_EQ(buffer, nullptr);
  }
  for (SoundFormat format : {PcmFormat(1, 8, 100), PcmFormat(2, 16, 100000), good}) {
    std::unique_ptr<SoundBuffer> buffer;
    SoundBufferDescription description{kSoundBufferControlDefault, 1024, &format};
    EXPECT_EQ(device->CreateSoundBuffer(description, buffer), kResultOk);
  }
}

TEST_F(SoundDeviceTest, DescriptionsOutOfRangeFailCreation) {
  SoundFormat format = PcmFormat(1, 8, 22050);
  const SoundBufferDescription cases[] = {
      {0, 3, &format},
      {0, kSoundMaxBufferBytes + 1, &format},
      {0, 1024, nullptr},
      {kSoundBufferPrimary, 1024, nullptr},
      {kSoundBufferPrimary, 0, &format},
  };
  for (const SoundBufferDescription& description : cases) {
    std::unique_ptr<SoundBuffer> buffer;
    EXPECT_EQ(device->CreateSoundBuffer(description, buffer), kSoundInvalidParam);
  }
}

TEST_F(SoundDeviceTest, LevelsOutOfRangeFailAndChangeNothing) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), Ramp(64));
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->SetVolume(-1234), kResultOk);
  ASSERT_EQ(buffer->SetPan(567), kResultOk);
  ASSERT_EQ(buffer->SetFrequency(11025), kResultOk);

  EXPECT_EQ(buffer->SetVolume(1), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetVolume(-10001), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetPan(10001), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetPan(-10001), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetFrequency(99), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetFrequency(100001), kSoundInvalidParam);
  EXPECT_EQ(buffer->SetFrequency(0), kSoundInvalidParam);

  int32_t volume = 0, pan = 0;
  uint32_t frequency = 0;
  ASSERT_EQ(buffer->GetVolume(volume), kResultOk);
  ASSERT_EQ(buffer->GetPan(pan), kResultOk);
  ASSERT_EQ(buffer->GetFrequency(frequency), kResultOk);
  EXPECT_EQ(volume, -1234);
  EXPECT_EQ(pan, 567);
  EXPECT_EQ(frequency, 11025u);
}

TEST_F(SoundDeviceTest, CursorsAdvanceWithTheClock) {
  const struct {
    SoundFormat format;
    uint32_t after100Ms;
  } cases[] = {
      {PcmFormat(1, 8, 22050), 2205},
      {PcmFormat(2, 16, 11025), 1102 * 4},
      {PcmFormat(2, 8, 44100), 4410 * 2},
  };
  for (const auto& c : cases) {
    std::unique_ptr<SoundBuffer> buffer = MakeBuffer(c.format, std::vector<uint8_t>(c.format.averageBytesPerSecond));
    ASSERT_TRUE(buffer);
    ASSERT_EQ(buffer->Play(0), kResultOk);
    uint32_t start = PlayCursor(*buffer);
    AdvanceMs(100);
    uint32_t play = 0, write = 0;
    ASSERT_EQ(buffer->GetCurrentPosition(&play, &write), kResultOk);
    EXPECT_NEAR(play - start, c.after100Ms, c.format.blockAlign);
    EXPECT_EQ(write, play);
    ASSERT_EQ(buffer->Stop(), kResultOk);
    AdvanceMs(100);
    EXPECT_EQ(PlayCursor(*buffer), play) << "a stopped buffer keeps its position";
  }
}

TEST_F(SoundDeviceTest, AOneShotBufferStopsAtItsEndWithPositionZero) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), std::vector<uint8_t>(2205, 0xC0));
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->SetCurrentPosition(1000), kResultOk);
  ASSERT_EQ(buffer->Play(0), kResultOk);
  AdvanceMs(40);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusPlaying});
  AdvanceMs(20);
  EXPECT_EQ(Status(*buffer), 0u);
  EXPECT_EQ(PlayCursor(*buffer), 0u);
}

TEST_F(SoundDeviceTest, ALoopingBufferGoesRoundUntilStopped) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), std::vector<uint8_t>(2205, 0xC0));
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->Play(kSoundPlayLooping), kResultOk);
  AdvanceMs(250);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusPlaying | kSoundStatusLooping});
  EXPECT_NEAR(PlayCursor(*buffer), 1102, 1);
  ASSERT_EQ(buffer->Stop(), kResultOk);
  EXPECT_EQ(Status(*buffer), 0u);
}

TEST_F(SoundDeviceTest, LockRegionsWrapPastTheEnd) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), std::vector<uint8_t>(100, 0x80));
  ASSERT_TRUE(buffer);

  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0, bytes2 = 0;
  ASSERT_EQ(buffer->Lock(80, 40, &part1, &bytes1, &part2, &bytes2, 0), kResultOk);
  EXPECT_EQ(bytes1, 20u);
  EXPECT_EQ(bytes2, 20u);
  ASSERT_NE(part2, nullptr);
  std::memset(part1, 1, bytes1);
  std::memset(part2, 2, bytes2);
  EXPECT_EQ(buffer->Lock(0, 4, &part1, &bytes1, &part2, &bytes2, 0), kSoundInvalidCall) << "locked twice";
  EXPECT_EQ(buffer->Unlock(part2, bytes1, part1, bytes2), kSoundInvalidParam) << "parts swapped";
  ASSERT_EQ(buffer->Unlock(part1, bytes1, part2, bytes2), kResultOk);

  std::vector<uint8_t> all = ReadAll(*buffer);
  ASSERT_EQ(all.size(), 100u);
  for (size_t i = 0; i < 100; ++i) {
    uint8_t expected = i < 20 ? 2 : i >= 80 ? 1 : 0x80;
    ASSERT_EQ(all[i], expected) << i;
  }

  ASSERT_EQ(buffer->Lock(10, 20, &part1, &bytes1, &part2, &bytes2, 0), kResultOk);
  EXPECT_EQ(bytes1, 20u);
  EXPECT_EQ(part2, nullptr);
  EXPECT_EQ(bytes2, 0u);
  ASSERT_EQ(buffer->Unlock(part1, 0, nullptr, 0), kResultOk);

  EXPECT_EQ(buffer->Lock(100, 1, &part1, &bytes1, &part2, &bytes2, 0), kSoundInvalidParam);
  EXPECT_EQ(buffer->Lock(0, 101, &part1, &bytes1, &part2, &bytes2, 0), kSoundInvalidParam);
  EXPECT_EQ(buffer->Lock(90, 20, &part1, &bytes1, nullptr, nullptr, 0), kSoundInvalidParam);
  EXPECT_EQ(buffer->Unlock(part1, 0, nullptr, 0), kSoundInvalidCall) << "not locked";
}

TEST_F(SoundDeviceTest, ALockFromTheWriteCursorStartsWhereTheMixerIs) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), Ramp(2205 * 2));
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->Play(kSoundPlayLooping), kResultOk);
  AdvanceMs(20);
  uint32_t write = 0;
  ASSERT_EQ(buffer->GetCurrentPosition(nullptr, &write), kResultOk);
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  ASSERT_EQ(buffer->Lock(0, 1, &part1, &bytes1, nullptr, nullptr, kSoundLockFromWriteCursor), kResultOk);
  EXPECT_EQ(*static_cast<uint8_t*>(part1), static_cast<uint8_t>(write));
  ASSERT_EQ(buffer->Unlock(part1, 0, nullptr, 0), kResultOk);
}

TEST_F(SoundDeviceTest, DuplicatesShareDataAndPlayApart) {
  std::unique_ptr<SoundBuffer> original = MakeBuffer(PcmFormat(1, 16, 22050), std::vector<uint8_t>(4410, 0));
  ASSERT_TRUE(original);
  ASSERT_EQ(original->SetVolume(-600), kResultOk);
  std::unique_ptr<SoundBuffer> duplicate;
  ASSERT_EQ(device->DuplicateSoundBuffer(*original, duplicate), kResultOk);
  int32_t volume = 0;
  duplicate->GetVolume(volume);
  EXPECT_EQ(volume, -600) << "a duplicate starts with its original's levels";

  std::vector<uint8_t> tone;
  for (int i = 0; i < 2205; ++i) tone.insert(tone.end(), {0x10, 0x27});
  Write(*original, 0, tone);
  EXPECT_EQ(ReadAll(*duplicate), tone) << "written through the original, seen through the duplicate";

  ASSERT_EQ(original->SetPan(-10000), kResultOk);
  ASSERT_EQ(duplicate->SetVolume(0), kResultOk);
  ASSERT_EQ(duplicate->SetPan(10000), kResultOk);
  silent->KeepPlayed(true);
  ASSERT_EQ(duplicate->Play(0), kResultOk);
  AdvanceMs(20);
  EXPECT_EQ(Status(*original), 0u);
  EXPECT_EQ(PlayCursor(*original), 0u);
  ASSERT_EQ(original->Play(0), kResultOk);
  AdvanceMs(20);
  EXPECT_GT(PlayCursor(*duplicate), PlayCursor(*original));

  std::vector<int16_t> played = silent->Played();
  ASSERT_EQ(played.size(), 2u * 882);
  EXPECT_EQ(played[0], 0) << "only the duplicate, on the right";
  EXPECT_EQ(played[1], 10000);
  EXPECT_NEAR(played[2 * 881], 5012, 1) << "the original joins on the left";
  EXPECT_EQ(played[2 * 881 + 1], 10000);
}

TEST_F(SoundDeviceTest, ThePrimaryBufferHoldsNoDataAndItsVolumeIsTheMasterGain) {
  std::unique_ptr<SoundBuffer> primary;
  ASSERT_EQ(device->CreateSoundBuffer({kSoundBufferPrimary, 0, nullptr}, primary), kResultOk);
  ASSERT_EQ(primary->Play(kSoundPlayLooping), kResultOk);
  EXPECT_EQ(Status(*primary), uint32_t{kSoundStatusPlaying | kSoundStatusLooping});
  ASSERT_EQ(primary->SetVolume(-2000), kResultOk);
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  EXPECT_EQ(primary->Lock(0, 4, &part1, &bytes1, nullptr, nullptr, 0), kSoundInvalidCall);
  EXPECT_EQ(primary->SetFrequency(22050), kSoundInvalidCall);
  std::unique_ptr<SoundBuffer> duplicate;
  EXPECT_EQ(device->DuplicateSoundBuffer(*primary, duplicate), kSoundInvalidCall);
  SoundFormat format;
  ASSERT_EQ(primary->GetFormat(format), kResultOk);
  EXPECT_EQ(format.samplesPerSecond, 22050u);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.channels, 2);

  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 16, 22050), {0x10, 0x27, 0x10, 0x27});
  silent->KeepPlayed(true);
  ASSERT_EQ(buffer->Play(kSoundPlayLooping), kResultOk);
  AdvanceMs(20);
  for (int16_t sample : silent->Played()) ASSERT_NEAR(sample, 1000, 1);
}

TEST_F(SoundDeviceTest, StatusBitsShowPlayingLoopingAndLost) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), std::vector<uint8_t>(2205));
  ASSERT_TRUE(buffer);
  EXPECT_EQ(Status(*buffer), 0u);
  buffer->Play(0);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusPlaying});
  buffer->Play(kSoundPlayLooping);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusPlaying | kSoundStatusLooping});
  buffer->Stop();
  silent->FailNext(SoundCall::Play, kSoundBufferLost);
  EXPECT_EQ(buffer->Play(0), kSoundBufferLost);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusLost});
}

TEST_F(SoundDeviceTest, ALostBufferRefusesPlayAndLockUntilRestored) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), Ramp(64));
  ASSERT_TRUE(buffer);
  silent->FailNext(SoundCall::Play, kSoundBufferLost);
  ASSERT_EQ(buffer->Play(0), kSoundBufferLost);
  EXPECT_EQ(buffer->Play(0), kSoundBufferLost);
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  EXPECT_EQ(buffer->Lock(0, 4, &part1, &bytes1, nullptr, nullptr, 0), kSoundBufferLost);

  silent->FailNext(SoundCall::Restore, kSoundBufferLost);
  EXPECT_EQ(buffer->Restore(), kSoundBufferLost);
  EXPECT_EQ(buffer->Play(0), kSoundBufferLost);
  ASSERT_EQ(buffer->Restore(), kResultOk);
  EXPECT_EQ(buffer->Play(0), kResultOk);
  EXPECT_EQ(Status(*buffer), uint32_t{kSoundStatusPlaying});
  EXPECT_EQ(ReadAll(*buffer), Ramp(64)) << "restoring keeps the data";
}

TEST_F(SoundDeviceTest, EachInjectedFailureFailsItsCallOnce) {
  SoundFormat format = PcmFormat(1, 8, 22050);
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(format, Ramp(64));
  ASSERT_TRUE(buffer);
  SoundCaps caps;
  std::unique_ptr<SoundBuffer> made;
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  const struct {
    SoundCall call;
    ResultCode code;
    std::function<ResultCode()> attempt;
  } cases[] = {
      {SoundCall::GetCaps, kSoundGeneric, [&] { return device->GetCaps(caps); }},
      {SoundCall::SetCooperativeLevel, kSoundAllocated, [&] { return device->SetCooperativeLevel(1, kSoundLevelNormal); }},
      {SoundCall::CreateBuffer, kSoundOutOfMemory,
       [&] { return device->CreateSoundBuffer({0, 64, &format}, made); }},
      {SoundCall::DuplicateBuffer, kSoundOutOfMemory, [&] { return device->DuplicateSoundBuffer(*buffer, made); }},
      {SoundCall::Lock, kSoundBufferLost,
       [&] {
         ResultCode result = buffer->Lock(0, 4, &part1, &bytes1, nullptr, nullptr, 0);
         if (result == kResultOk) buffer->Unlock(part1, 0, nullptr, 0);
         return result;
       }},
      {SoundCall::Play, kSoundGeneric, [&] { return buffer->Play(0); }},
      {SoundCall::Restore, kSoundGeneric, [&] { return buffer->Restore(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.call));
    silent->FailNext(c.call, c.code);
    EXPECT_EQ(c.attempt(), c.code);
    EXPECT_EQ(c.attempt(), kResultOk);
  }
  EXPECT_EQ(caps.minSecondarySampleRate, 100u);
  EXPECT_EQ(caps.maxSecondarySampleRate, 100000u);
}

TEST_F(SoundDeviceTest, DeviceCreationCanBeMadeToFail) {
  std::unique_ptr<SoundDevice> second;
  EXPECT_EQ(CreateSoundDevice(second), kSoundAllocated) << "one device at a time";
  device.reset();
  silent->FailNext(SoundCall::CreateDevice, kSoundNoDriver);
  EXPECT_EQ(CreateSoundDevice(device), kSoundNoDriver);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(CreateSoundDevice(device), kResultOk);
}

TEST_F(SoundDeviceTest, TheCooperativeLevelNeedsAWindowAndAKnownLevel) {
  EXPECT_EQ(device->SetCooperativeLevel(kNoWindow, kSoundLevelNormal), kSoundInvalidParam);
  EXPECT_EQ(device->SetCooperativeLevel(1, 0), kSoundInvalidParam);
  EXPECT_EQ(device->SetCooperativeLevel(1, 5), kSoundInvalidParam);
  EXPECT_EQ(device->SetCooperativeLevel(1, kSoundLevelPriority), kResultOk);
}

TEST_F(SoundDeviceTest, AfterShutdownEveryCallFailsAndLateReleasesFree) {
  std::unique_ptr<SoundBuffer> buffer = MakeBuffer(PcmFormat(1, 8, 22050), Ramp(64));
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->Play(kSoundPlayLooping), kResultOk);
  ShutdownSound();

  uint32_t status = 0;
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  EXPECT_EQ(buffer->Play(0), kSoundInvalidCall);
  EXPECT_EQ(buffer->GetStatus(status), kSoundInvalidCall);
  EXPECT_EQ(buffer->SetVolume(0), kSoundInvalidCall);
  EXPECT_EQ(buffer->Lock(0, 4, &part1, &bytes1, nullptr, nullptr, 0), kSoundInvalidCall);
  SoundCaps caps;
  EXPECT_EQ(device->GetCaps(caps), kSoundInvalidCall);
  std::unique_ptr<SoundBuffer> made;
  SoundFormat format = PcmFormat(1, 8, 22050);
  EXPECT_EQ(device->CreateSoundBuffer({0, 64, &format}, made), kSoundInvalidCall);
  std::unique_ptr<SoundDevice> another;
  EXPECT_EQ(CreateSoundDevice(another), kSoundNoDriver);
  EXPECT_EQ(TimeSetEvent(10, 0, [](uint32_t, uint32_t, uintptr_t, uintptr_t, uintptr_t) {}, 0, kTimerOneShot), 0u);
  AdvanceMs(100);

  device.reset();
  buffer.reset();
}

}  // namespace
