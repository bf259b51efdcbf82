#include <SDL.h>

#include <cstdio>

#include "platform/SoundMixer.h"
#include "platform/SoundOutput.h"

namespace platform {
namespace {

// The audio device: SDL's audio thread asks for frames and the mixer makes them, taking
// only the mixer's own lock.
class SdlSoundOutput : public SoundOutput {
public:
  ~SdlSoundOutput() override { Close(); }

  ResultCode Open(SoundMixer& mixer) override {
    if (mDevice != 0) return kSoundAllocated;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return Refuse(kSoundNoDriver);
    SDL_AudioSpec wanted{};
    wanted.freq = SoundMixer::kOutputRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kFramesPerCallback;
    wanted.callback = &SdlSoundOutput::Fill;
    wanted.userdata = &mixer;
    // No changes allowed: SDL converts our format to the device's.
    mDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (mDevice == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return Refuse(kSoundAllocated);
    }
    SDL_PauseAudioDevice(mDevice, 0);
    return kResultOk;
  }

  void Close() override {
    if (mDevice == 0) return;
    // Returns once the audio thread has left the callback for good.
    SDL_CloseAudioDevice(mDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mDevice = 0;
  }

private:
  static constexpr uint16_t kFramesPerCallback = 512;

  static ResultCode Refuse(ResultCode code) {
    std::fprintf(stderr, "No audio device (%s): running without sound.\n", SDL_GetError());
    return code;
  }

  static void Fill(void* user, Uint8* stream, int length) {
    auto* mixer = static_cast<SoundMixer*>(user);
    mixer->Mix(reinterpret_cast<int16_t*>(stream), static_cast<uint32_t>(length) / 4);
  }

  SDL_AudioDeviceID mDevice = 0;
};

}  // namespace

std::unique_ptr<SoundOutput> CreateAudioOutput() { return std::make_unique<SdlSoundOutput>(); }

}  // namespace platform
