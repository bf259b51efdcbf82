#include "screens/ControlClickSound.h"

#include "sound/SoundEffects.h"

ControlClickSound gPushButtonClick;
ControlClickSound gRadioButtonClick;
ControlClickSound gCheckBoxClick;

namespace {
constexpr int kNoLoop = 0;
constexpr int kRestartWhenPlaying = 1;
}  // namespace

void ControlClickSound::AddInstance() {
  if (mInstances == 0) mSound.Load();
  ++mInstances;
}

void ControlClickSound::RemoveInstance() {
  if (mInstances == 1) mSound.Unload();
  if (mInstances > 0) --mInstances;
}

void ControlClickSound::Play() {
  mSound.SetVolume(MasterEffectVolume());
  mSound.Play(kNoLoop, kRestartWhenPlaying);
}
