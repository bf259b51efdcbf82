#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ResultCodes.h"
#include "platform/SoundFormat.h"
#include "platform/SoundMixer.h"

namespace platform {

struct SoundDeviceState;

enum SoundPlayFlags : uint32_t {
  kSoundPlayLooping = 0x1,
};

enum SoundLockFlags : uint32_t {
  kSoundLockFromWriteCursor = 0x1,
  kSoundLockEntireBuffer = 0x2,
};

// One buffer of a sound device (SoundDevice.h): the primary buffer, whose volume is the
// master gain and which holds no data, or a circular buffer of PCM data with its own
// position, volume, pan and rate. Every failure answers a SoundResult and changes nothing.
// Destroying the buffer releases it.
class SoundBuffer {
public:
  ~SoundBuffer();
  SoundBuffer(const SoundBuffer&) = delete;
  SoundBuffer& operator=(const SoundBuffer&) = delete;

  // SoundStatus bits.
  ResultCode GetStatus(uint32_t& status);
  // Plays from the current position, once or with kSoundPlayLooping. Once played to its
  // end the buffer stops with its position at 0.
  ResultCode Play(uint32_t flags);
  // Stops; the position is kept.
  ResultCode Stop();
  // The next byte to be mixed; what lies from the write cursor on may be written. Either
  // pointer may be null.
  ResultCode GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor);
  ResultCode SetCurrentPosition(uint32_t bytes);
  // Hands out the region of `bytes` bytes from `offset` in two parts: the second is the
  // start of the buffer when the region wraps past its end, else null with 0 bytes. What
  // is written there reaches the buffer at Unlock, with the parts and the bytes written.
  ResultCode Lock(uint32_t offset, uint32_t bytes, void** part1, uint32_t* bytes1, void** part2,
                  uint32_t* bytes2, uint32_t flags);
  ResultCode Unlock(void* part1, uint32_t bytes1, void* part2, uint32_t bytes2);

  // Hundredths of a decibel: volume -10000 (silent) to 0, pan -10000 (left only) to 10000.
  ResultCode GetVolume(int32_t& volume);
  ResultCode SetVolume(int32_t volume);
  ResultCode GetPan(int32_t& pan);
  ResultCode SetPan(int32_t pan);
  // Samples per second, 100 to 100000.
  ResultCode GetFrequency(uint32_t& frequency);
  ResultCode SetFrequency(uint32_t frequency);
  ResultCode GetFormat(SoundFormat& format);
  // Brings a lost buffer back; its data is kept.
  ResultCode Restore();

private:
  friend class SoundDevice;
  // Voice 0 makes the primary buffer.
  SoundBuffer(std::shared_ptr<SoundDeviceState> state, SoundMixer::VoiceId voice, const SoundFormat& format,
              uint32_t bytes);

  bool IsPrimary() const { return mVoice == 0; }
  // Why a call on a buffer with data cannot go on, or kResultOk.
  ResultCode DataRefusal();
  SoundMixer& Mixer();
  bool IsValidUnlock(void* part1, uint32_t bytes1, void* part2, uint32_t bytes2) const;

  std::shared_ptr<SoundDeviceState> mState;
  SoundMixer::VoiceId mVoice;
  SoundFormat mFormat;
  uint32_t mBytes;
  std::atomic<bool> mLost{false};
  std::atomic<bool> mPrimaryPlaying{false};
  // The region handed out by Lock: a copy of it, its offset and the size of its first part.
  bool mLocked = false;
  uint32_t mLockOffset = 0;
  uint32_t mLockFirst = 0;
  std::vector<uint8_t> mLockCopy;
};

}  // namespace platform
