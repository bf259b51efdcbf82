#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/SoundFormat.h"

namespace platform {

// Levels in hundredths of a decibel: volume from silent to full, pan from the left channel
// alone to the right channel alone.
constexpr int32_t kSoundVolumeSilent = -10000;
constexpr int32_t kSoundVolumeFull = 0;
constexpr int32_t kSoundPanLeft = -10000;
constexpr int32_t kSoundPanRight = 10000;

// Status bits of a sound buffer.
enum SoundStatus : uint32_t {
  kSoundStatusPlaying = 1,
  kSoundStatusLost = 2,
  kSoundStatusLooping = 4,
};

// Mixes the sounds of the buffers into the output: 22050 frames a second of 16-bit stereo.
// Each voice holds PCM data (shared with its duplicates), a position, levels and a rate, and
// is resampled to the output rate. The voices are summed and saturated.
// One short lock guards all of it and nothing called under it calls out, so the audio
// thread may mix at any moment; the mixer checks no values: its callers do.
class SoundMixer {
public:
  static constexpr uint32_t kOutputRate = 22050;
  using VoiceId = uint32_t;

  // A voice holding `bytes` bytes of silence, stopped at position 0, at full volume in the
  // centre and the format's own rate.
  VoiceId AddVoice(const SoundFormat& format, uint32_t bytes);
  // A voice that shares another's data and starts with its levels and rate, stopped at 0.
  VoiceId DuplicateVoice(VoiceId original);
  void RemoveVoice(VoiceId voice);

  // Plays from the current position, once or looping.
  void Play(VoiceId voice, bool looping);
  // Stops where it is.
  void Stop(VoiceId voice);
  // kSoundStatusPlaying, with kSoundStatusLooping while it plays looping.
  uint32_t Status(VoiceId voice);
  // Bytes from the start of the data, a multiple of the block alignment.
  uint32_t Position(VoiceId voice);
  void SetPosition(VoiceId voice, uint32_t bytes);

  void SetVolume(VoiceId voice, int32_t volume);
  void SetPan(VoiceId voice, int32_t pan);
  void SetFrequency(VoiceId voice, uint32_t frequency);
  int32_t Volume(VoiceId voice);
  int32_t Pan(VoiceId voice);
  uint32_t Frequency(VoiceId voice);
  // The gain of the whole output.
  void SetMasterVolume(int32_t volume);
  int32_t MasterVolume();

  // Copies bytes of a voice's data out or in; the range lies inside the data.
  void ReadData(VoiceId voice, uint32_t offset, uint8_t* destination, uint32_t size);
  void WriteData(VoiceId voice, uint32_t offset, const uint8_t* source, uint32_t size);

  // Mixes `frames` frames (left, right) into `out` and moves every playing voice on.
  void Mix(int16_t* out, uint32_t frames);

private:
  struct Voice {
    std::shared_ptr<std::vector<uint8_t>> data;
    uint16_t channels = 1;
    uint16_t bitsPerSample = 8;
    uint16_t blockAlign = 1;
    uint32_t frames = 0;
    // Frames in 32.32 fixed point; the step is the frames advanced per output frame.
    uint64_t position = 0;
    uint64_t step = 0;
    uint32_t frequency = 0;
    int32_t volume = kSoundVolumeFull;
    int32_t pan = 0;
    int32_t leftGain = 0;
    int32_t rightGain = 0;
    bool playing = false;
    bool looping = false;
  };

  Voice& Find(VoiceId voice);
  VoiceId Insert(Voice voice);
  static void UpdateGains(Voice& voice);
  static void UpdateStep(Voice& voice);
  void MixVoice(Voice& voice, uint32_t frames);
  template <int Bits, int Channels>
  static void MixSamples(Voice& voice, int32_t* sums, uint32_t frames, int32_t leftGain, int32_t rightGain);

  std::mutex mLock;
  std::unordered_map<VoiceId, Voice> mVoices;
  VoiceId mNextId = 1;
  int32_t mMasterVolume = kSoundVolumeFull;
  int32_t mMasterGain = 65536;
  std::vector<int32_t> mSums;
};

// The gain of an attenuation in hundredths of a decibel, in 16.16 fixed point; -10000 and
// below are silence.
int32_t GainOfAttenuation(int32_t hundredthsOfDecibel);

}  // namespace platform
