// The video reader on arbitrary bytes: the header checks, FFmpeg's reader and decoder over
// the platform file layer, every frame decoded into memory of the video's size and once
// more past the last (the file read again from its start), with the first sound track
// loaded and played on the silent mixer.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FuzzFolder.h"
#include "platform/Clock.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"
#include "platform/VideoFile.h"
#include "platform/VideoSound.h"

namespace {

platform::SoundDevice* gDevice = nullptr;

// The silent mixer and a device on it, once per process.
void StartSilentSound() {
  static bool started = [] {
    static platform::ManualClock clock;
    platform::SetClockSource(&clock);
    platform::SetTimersHeadless(true);
    platform::SetSoundOutput(std::make_shared<platform::SilentSoundOutput>());
    static std::unique_ptr<platform::SoundDevice> device;
    if (platform::CreateSoundDevice(device) != platform::kResultOk) std::abort();
    gDevice = device.get();
    platform::SetVideoSoundDeviceSource([] { return gDevice; });
    return true;
  }();
  (void)started;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartSilentSound();
  std::unique_ptr<platform::VideoFile> video =
      platform::VideoFile::Open(WriteFuzzFile("input.smk", data, size), platform::kVideoTrack1);
  if (!video) return 0;
  std::vector<uint8_t> pixels(static_cast<size_t>(video->Width()) * static_cast<size_t>(video->Height()));
  video->SetTarget({pixels.data(), video->Width(), video->Width(), video->Height(), 0, 0});
  for (int32_t frame = 0; frame <= video->FrameCount(); ++frame) {
    if (!video->DecodeFrame()) break;
    video->NextFrame();
  }
  return 0;
}
