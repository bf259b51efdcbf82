#pragma once
#include <atomic>
#include <memory>

#include "platform/SoundMixer.h"
#include "platform/SoundOutput.h"

namespace platform {

// What a sound device and its buffers share. It lives as long as any of them, so a buffer
// released after its device closed still finds its mixer.
struct SoundDeviceState {
  explicit SoundDeviceState(std::shared_ptr<SoundOutput> out) : output(std::move(out)) {}
  ~SoundDeviceState() { Close(); }

  void Close() {
    if (open.exchange(false)) output->Close();
  }
  // Why the call cannot go on: the device closed, or a failure the output was told to give.
  ResultCode Refusal(SoundCall call) {
    if (!open) return kSoundInvalidCall;
    return output->TakeFailure(call);
  }

  SoundMixer mixer;
  std::shared_ptr<SoundOutput> output;
  std::atomic<bool> open{false};
};

}  // namespace platform
