#pragma once
#include <memory>

#include "platform/ResultCodes.h"

namespace platform {

class SoundMixer;

// The calls of the sound device that an output can be told to fail.
enum class SoundCall {
  CreateDevice,
  GetCaps,
  SetCooperativeLevel,
  CreateBuffer,
  DuplicateBuffer,
  Lock,
  Play,
  Restore,
  Count,
};

// Where the mixed sound goes: the audio device, or nowhere in a headless run. An open
// output takes mixed frames from the mixer at its own pace.
class SoundOutput {
public:
  virtual ~SoundOutput() = default;
  // kResultOk, or why the output cannot play.
  virtual ResultCode Open(SoundMixer& mixer) = 0;
  // Stops taking frames; once it returns the mixer is no longer used.
  virtual void Close() = 0;
  // The failure this call is to give instead of doing its work, or kResultOk.
  virtual ResultCode TakeFailure(SoundCall) { return kResultOk; }
};

// The audio device through SDL.
std::unique_ptr<SoundOutput> CreateAudioOutput();

}  // namespace platform
