// The WAVE routines and the sounds on arbitrary bytes: the format and every byte of the data
// read in portions, then the file played from memory and streamed, looping, on the silent
// mixer while the clock moves on through refills and completion polls.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FuzzFolder.h"
#include "platform/Clock.h"
#include "platform/SilentSoundOutput.h"
#include "platform/SoundDevice.h"
#include "platform/TimerService.h"
#include "sound/DigitalSound.h"
#include "sound/SoundSystem.h"
#include "sound/WaveFile.h"

namespace {

constexpr platform::WindowHandle kWindow = 1;
constexpr uint32_t kPlayMs = 400;
constexpr uint32_t kStepMs = 25;

platform::ManualClock& FuzzClock() {
  static platform::ManualClock clock;
  return clock;
}

// The silent mixer and a sound system on it, once per process.
void StartSilentSound() {
  static bool started = [] {
    platform::SetClockSource(&FuzzClock());
    platform::SetTimersHeadless(true);
    platform::SetSoundOutput(std::make_shared<platform::SilentSoundOutput>());
    if (!gSoundSystem.Initialize(kWindow)) std::abort();
    return true;
  }();
  (void)started;
}

void ReadAll(const std::string& path) {
  WaveFileHandle file;
  WaveFormat format;
  platform::RiffChunk riff, data;
  if (OpenWaveFile(path, file, format, riff) != kWaveOk) return;
  if (SeekWaveData(*file, data, riff) != kWaveOk) return;
  std::vector<uint8_t> portion(4096);
  for (;;) {
    uint32_t read = 0;
    if (ReadWaveData(*file, static_cast<uint32_t>(portion.size()), portion.data(), data, read) != kWaveOk) return;
    if (read < portion.size()) break;
  }
  CloseWaveFile(file);
}

void PlayFor(const std::string& path, int32_t loadMode) {
  DigitalSound sound(path, loadMode);
  sound.SetCompletionCallback([](uintptr_t) {}, 0);
  if (!sound.Play(1, 0)) return;
  platform::ManualClock& clock = FuzzClock();
  for (uint32_t t = 0; t < kPlayMs; t += kStepMs) platform::AdvanceClock(clock, clock.systemMs + kStepMs);
  sound.Stop();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartSilentSound();
  std::string path = WriteFuzzFile("input.wav", data, size);
  ReadAll(path);
  PlayFor(path, kLoadInMemory);
  PlayFor(path, kLoadStreamed);
  return 0;
}
