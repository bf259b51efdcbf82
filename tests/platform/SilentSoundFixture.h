#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundBuffer.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"

// A sound device on the silent output, with a manual clock that timers and the mixer follow.
class SilentSoundFixture : public testing::Test {
protected:
  void SetUp() override {
    clock.systemMs = 1000;
    platform::SetClockSource(&clock);
    platform::SetTimersHeadless(true);
    silent = std::make_shared<platform::SilentSoundOutput>();
    platform::SetSoundOutput(silent);
    ASSERT_EQ(platform::CreateSoundDevice(device), platform::kResultOk);
  }

  void TearDown() override {
    device.reset();
    platform::SetSoundOutput(nullptr);
    platform::RestartSound();
    platform::SetClockSource(nullptr);
  }

  void AdvanceMs(uint32_t ms) { platform::AdvanceClock(clock, clock.systemMs + ms); }

  // A buffer holding the bytes; empty when it cannot be made.
  std::unique_ptr<platform::SoundBuffer> MakeBuffer(const platform::SoundFormat& format,
                                                    const std::vector<uint8_t>& bytes) {
    std::unique_ptr<platform::SoundBuffer> buffer;
    platform::SoundBufferDescription description{platform::kSoundBufferControlDefault,
                                                 static_cast<uint32_t>(bytes.size()), &format};
    if (device->CreateSoundBuffer(description, buffer) != platform::kResultOk) return nullptr;
    Write(*buffer, 0, bytes);
    return buffer;
  }

  static void Write(platform::SoundBuffer& buffer, uint32_t offset, const std::vector<uint8_t>& bytes) {
    void* part1 = nullptr;
    void* part2 = nullptr;
    uint32_t bytes1 = 0, bytes2 = 0;
    ASSERT_EQ(buffer.Lock(offset, static_cast<uint32_t>(bytes.size()), &part1, &bytes1, &part2, &bytes2, 0),
              platform::kResultOk);
    std::memcpy(part1, bytes.data(), bytes1);
    if (part2) std::memcpy(part2, bytes.data() + bytes1, bytes2);
    ASSERT_EQ(buffer.Unlock(part1, bytes1, part2, bytes2), platform::kResultOk);
  }

  static std::vector<uint8_t> ReadAll(platform::SoundBuffer& buffer) {
    void* part1 = nullptr;
    uint32_t bytes1 = 0;
    if (buffer.Lock(0, 0, &part1, &bytes1, nullptr, nullptr, platform::kSoundLockEntireBuffer) != platform::kResultOk)
      return {};
    auto* bytes = static_cast<uint8_t*>(part1);
    std::vector<uint8_t> result(bytes, bytes + bytes1);
    buffer.Unlock(part1, 0, nullptr, 0);
    return result;
  }

  static uint32_t PlayCursor(platform::SoundBuffer& buffer) {
    uint32_t play = 0xFFFFFFFF;
    buffer.GetCurrentPosition(&play, nullptr);
    return play;
  }

  static uint32_t Status(platform::SoundBuffer& buffer) {
    uint32_t status = 0xFFFFFFFF;
    buffer.GetStatus(status);
    return status;
  }

  platform::ManualClock clock;
  std::shared_ptr<platform::SilentSoundOutput> silent;
  std::unique_ptr<platform::SoundDevice> device;
};
