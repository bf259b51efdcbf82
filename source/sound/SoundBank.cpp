#include "sound/SoundBank.h"

#include <mutex>

#include "platform/TimerService.h"
#include "sound/DigitalSound.h"

// The timer service, and with it the sound lock, is made here so that it outlives the object.
SoundBank::SoundBank() { platform::SoundLock(); }

SoundBank::~SoundBank() { DeleteAll(); }

void SoundBank::LoadFileSound(const std::string& fileName, int index, int32_t loadMode) {
  std::lock_guard lock(platform::SoundLock());
  mpSounds[index] = std::make_unique<DigitalSound>(fileName, loadMode);
}

Sound* SoundBank::LoadSound(int32_t value, int index) {
  std::lock_guard lock(platform::SoundLock());
  mpSounds[index] = std::make_unique<DigitalSound>(value);
  return mpSounds[index].get();
}

Sound* SoundBank::SetSound(Sound* sound, int index) {
  std::lock_guard lock(platform::SoundLock());
  if (mpSounds[index].get() != sound) mpSounds[index].reset(sound);
  return sound;
}

int SoundBank::Play(int index, int loop, int mode) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpSounds[index]) return 0;
  return mpSounds[index]->Play(loop, mode);
}

void SoundBank::Stop(int index) {
  std::lock_guard lock(platform::SoundLock());
  if (mpSounds[index]) mpSounds[index]->Stop();
}

void SoundBank::StopAll() {
  std::lock_guard lock(platform::SoundLock());
  for (auto& sound : mpSounds) {
    if (sound) sound->Stop();
  }
}

void SoundBank::DeleteAll() {
  std::lock_guard lock(platform::SoundLock());
  for (auto& sound : mpSounds) sound.reset();
}
