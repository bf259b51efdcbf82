#pragma once
#include <cstdint>

namespace platform {

// The wave format of a sound buffer, field for field as a WAVE file's "fmt " chunk holds it.
struct SoundFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t averageBytesPerSecond = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
};

constexpr uint16_t kWaveFormatPcm = 1;

// The range of playback rates a buffer accepts, in samples per second.
constexpr uint32_t kSoundMinFrequency = 100;
constexpr uint32_t kSoundMaxFrequency = 100000;

// PCM with its derived fields filled in.
SoundFormat PcmFormat(uint16_t channels, uint16_t bitsPerSample, uint32_t samplesPerSecond);

// Whether a buffer can hold sound of this format: PCM, 1 or 2 channels, 8-bit unsigned or
// 16-bit signed samples, a rate in range, and block alignment and bytes per second that
// agree with the rest.
bool IsPlayableFormat(const SoundFormat& format);

}  // namespace platform
