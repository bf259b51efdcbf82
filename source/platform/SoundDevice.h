#pragma once
#include <cstdint>
#include <memory>

#include "platform/ResultCodes.h"
#include "platform/SoundFormat.h"
#include "platform/WindowMessages.h"

// The sound card as the game's sound classes expect it: a device that makes sound buffers
// (one primary buffer without data, whose volume is the master gain, and buffers of PCM
// data that play, loop, stop, pan and change rate), mixed into the audio device or, in a
// headless run, a silent output. Any thread may call; the sound classes serialise their own
// calls with the sound lock (TimerService.h).
namespace platform {

class SoundBuffer;
class SoundOutput;
struct SoundDeviceState;

enum SoundBufferFlags : uint32_t {
  kSoundBufferPrimary = 0x1,
  kSoundBufferStatic = 0x2,
  kSoundBufferControlFrequency = 0x20,
  kSoundBufferControlPan = 0x40,
  kSoundBufferControlVolume = 0x80,
  kSoundBufferControlDefault = 0xE0,
};

// A primary buffer has neither bytes nor a format.
struct SoundBufferDescription {
  uint32_t flags = 0;
  uint32_t bytes = 0;
  const SoundFormat* format = nullptr;
};

constexpr uint32_t kSoundMinBufferBytes = 4;
constexpr uint32_t kSoundMaxBufferBytes = 0x0FFFFFFF;

enum SoundCooperativeLevel : uint32_t {
  kSoundLevelNormal = 1,
  kSoundLevelPriority = 2,
  kSoundLevelExclusive = 3,
  kSoundLevelWritePrimary = 4,
};

enum SoundCapsFlags : uint32_t {
  kSoundCapsPrimaryStereo = 0x2,
  kSoundCapsPrimary16Bit = 0x8,
  kSoundCapsContinuousRate = 0x10,
  kSoundCapsSecondaryMono = 0x100,
  kSoundCapsSecondaryStereo = 0x200,
  kSoundCapsSecondary8Bit = 0x400,
  kSoundCapsSecondary16Bit = 0x800,
};

struct SoundCaps {
  uint32_t flags = 0;
  uint32_t minSecondarySampleRate = 0;
  uint32_t maxSecondarySampleRate = 0;
  uint32_t primaryBuffers = 0;
};

class SoundDevice {
public:
  // Closes the output; buffers still held fail from then on and are freed when released.
  ~SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  ResultCode GetCaps(SoundCaps& caps);
  ResultCode SetCooperativeLevel(WindowHandle window, uint32_t level);
  // Fails with kSoundBadFormat for a format a buffer cannot hold and kSoundInvalidParam for
  // a size out of range; `buffer` is left as it was on any failure.
  ResultCode CreateSoundBuffer(const SoundBufferDescription& description, std::unique_ptr<SoundBuffer>& buffer);
  // A buffer sharing the original's data, with its levels and rate, stopped at position 0.
  ResultCode DuplicateSoundBuffer(const SoundBuffer& original, std::unique_ptr<SoundBuffer>& duplicate);

private:
  friend ResultCode CreateSoundDevice(std::unique_ptr<SoundDevice>& device);
  explicit SoundDevice(std::shared_ptr<SoundDeviceState> state);

  std::shared_ptr<SoundDeviceState> mState;
};

// The output the next device plays through; null restores the audio device.
void SetSoundOutput(std::shared_ptr<SoundOutput> output);

// Opens the output and makes the device; one device is open at a time (kSoundAllocated).
ResultCode CreateSoundDevice(std::unique_ptr<SoundDevice>& device);

// Stops the timer service (its thread joined) and closes the open device. After it every
// call fails or does nothing, and a buffer released late is simply freed.
void ShutdownSound();
// Lets sound and timers start again after ShutdownSound.
void RestartSound();

}  // namespace platform
