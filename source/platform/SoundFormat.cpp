#include "platform/SoundFormat.h"

namespace platform {

SoundFormat PcmFormat(uint16_t channels, uint16_t bitsPerSample, uint32_t samplesPerSecond) {
  SoundFormat format;
  format.formatTag = kWaveFormatPcm;
  format.channels = channels;
  format.samplesPerSecond = samplesPerSecond;
  format.blockAlign = static_cast<uint16_t>(channels * bitsPerSample / 8);
  format.averageBytesPerSecond = samplesPerSecond * format.blockAlign;
  format.bitsPerSample = bitsPerSample;
  return format;
}

bool IsPlayableFormat(const SoundFormat& format) {
  if (format.formatTag != kWaveFormatPcm) return false;
  if (format.channels != 1 && format.channels != 2) return false;
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
  if (format.samplesPerSecond < kSoundMinFrequency || format.samplesPerSecond > kSoundMaxFrequency) return false;
  if (format.blockAlign != format.channels * format.bitsPerSample / 8) return false;
  return format.averageBytesPerSecond == format.samplesPerSecond * format.blockAlign;
}

}  // namespace platform
