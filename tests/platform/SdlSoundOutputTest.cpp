#include <gtest/gtest.h>

#include <vector>

#include "platform/SoundBuffer.h"
#include "platform/SoundDevice.h"
#include "support/TempFolder.h"

using namespace platform;

namespace {

// The real audio device through SDL; CTest runs it under SDL's dummy audio driver.
TEST(SdlSoundOutputTest, PlaysOnTheAudioDeviceAndShutsDownWhilePlaying) {
  ScopedEnvironment driver("SDL_AUDIODRIVER", std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "dummy");
  SetSoundOutput(nullptr);
  std::unique_ptr<SoundDevice> device;
  ASSERT_EQ(CreateSoundDevice(device), kResultOk);
  ASSERT_EQ(device->SetCooperativeLevel(1, kSoundLevelNormal), kResultOk);
  std::unique_ptr<SoundBuffer> primary;
  ASSERT_EQ(device->CreateSoundBuffer({kSoundBufferPrimary, 0, nullptr}, primary), kResultOk);
  ASSERT_EQ(primary->Play(kSoundPlayLooping), kResultOk);

  SoundFormat format = PcmFormat(1, 8, 22050);
  std::unique_ptr<SoundBuffer> buffer;
  ASSERT_EQ(device->CreateSoundBuffer({kSoundBufferControlDefault, 2205, &format}, buffer), kResultOk);
  void* part1 = nullptr;
  uint32_t bytes1 = 0;
  ASSERT_EQ(buffer->Lock(0, 0, &part1, &bytes1, nullptr, nullptr, kSoundLockEntireBuffer), kResultOk);
  auto* samples = static_cast<uint8_t*>(part1);
  for (uint32_t i = 0; i < bytes1; ++i) samples[i] = (i / 25) % 2 ? 0xA0 : 0x60;
  ASSERT_EQ(buffer->Unlock(part1, bytes1, nullptr, 0), kResultOk);
  ASSERT_EQ(buffer->Play(kSoundPlayLooping), kResultOk);
  uint32_t status = 0;
  ASSERT_EQ(buffer->GetStatus(status), kResultOk);
  EXPECT_EQ(status, uint32_t{kSoundStatusPlaying | kSoundStatusLooping});

  ShutdownSound();
  EXPECT_EQ(buffer->GetStatus(status), kSoundInvalidCall);
  EXPECT_EQ(buffer->Play(0), kSoundInvalidCall);
  buffer.reset();
  primary.reset();
  device.reset();
  RestartSound();
}

}  // namespace
