#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/SoundFormat.h"

namespace platform {

class SoundBuffer;
class SoundDevice;

// Where videos find the sound device they play their sound on: the function answers the
// device open at that moment, or null while there is none (the video is then silent).
using VideoSoundDeviceSource = SoundDevice* (*)();
void SetVideoSoundDeviceSource(VideoSoundDeviceSource source);

// A video's sound track, whole in one buffer of the sound device.
class VideoSound {
public:
  ~VideoSound();
  VideoSound(const VideoSound&) = delete;
  VideoSound& operator=(const VideoSound&) = delete;

  // Null when there is no device or the buffer cannot be made and filled.
  static std::unique_ptr<VideoSound> Create(const SoundFormat& format, const std::vector<uint8_t>& bytes);

  // Plays once from the first sample.
  void PlayFromStart();
  void Stop();
  bool IsPlaying();

private:
  explicit VideoSound(std::unique_ptr<SoundBuffer> buffer);

  std::unique_ptr<SoundBuffer> mBuffer;
};

}  // namespace platform
