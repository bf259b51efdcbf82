// The mixer's work per audio callback: 16 playing voices of every sample kind, some
// resampled, each with its own volume and pan, mixed into 10 ms of output.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/SoundMixer.h"

using namespace platform;

namespace {

constexpr uint32_t kVoices = 16;
constexpr uint32_t kFramesPer10Ms = SoundMixer::kOutputRate / 100;

void BM_Mix16Voices(benchmark::State& state) {
  SoundMixer mixer;
  const uint32_t rates[] = {22050, 11025, 44100, 16000};
  for (uint32_t i = 0; i < kVoices; ++i) {
    SoundFormat format = PcmFormat(static_cast<uint16_t>(1 + i % 2), static_cast<uint16_t>(i / 2 % 2 ? 16 : 8),
                                   rates[i / 4 % 4]);
    uint32_t bytes = format.averageBytesPerSecond;
    std::vector<uint8_t> data(bytes);
    for (uint32_t b = 0; b < bytes; ++b) data[b] = static_cast<uint8_t>(b * 7 + i);
    SoundMixer::VoiceId voice = mixer.AddVoice(format, bytes);
    mixer.WriteData(voice, 0, data.data(), bytes);
    mixer.SetVolume(voice, -static_cast<int32_t>(i) * 100);
    mixer.SetPan(voice, static_cast<int32_t>(i) * 1000 - 8000);
    mixer.Play(voice, true);
  }
  std::vector<int16_t> out(2 * kFramesPer10Ms);
  for (auto _ : state) {
    mixer.Mix(out.data(), kFramesPer10Ms);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * kVoices * kFramesPer10Ms);
}
BENCHMARK(BM_Mix16Voices);

}  // namespace
