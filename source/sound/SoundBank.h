#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "sound/Sound.h"

// The game's sound effects by number: 128 slots, each owning its sound. Storing into a slot
// deletes what was there. The caller keeps indexes in range.
constexpr int kSoundBankSlots = 128;

class SoundBank {
public:
  SoundBank();
  virtual ~SoundBank();
  SoundBank(const SoundBank&) = delete;
  SoundBank& operator=(const SoundBank&) = delete;

  // A sound of the file, read at its first play (load modes of DigitalSound).
  void LoadFileSound(const std::string& fileName, int index, int32_t loadMode);
  Sound* LoadSound(int32_t value, int index);
  // Takes the sound over.
  Sound* SetSound(Sound* sound, int index);

  // 0 for an empty slot, else the sound's Play.
  virtual int Play(int index, int loop, int mode);
  virtual void Stop(int index);
  virtual void StopAll();
  virtual void DeleteAll();

  Sound* GetSound(int index) const { return mpSounds[index].get(); }

private:
  std::array<std::unique_ptr<Sound>, kSoundBankSlots> mpSounds;
};

extern SoundBank gSoundBank;
