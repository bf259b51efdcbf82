#pragma once
#include "Drovane/PrefsFile.h"

// The preferences record of the volumes: four 32-bit values 0..10000, the first being the
// master volume of the sound effects.
constexpr uint32_t kEffectVolumeRecordId = 0x4ffffff;
constexpr uint32_t kEffectVolumeRecordSize = 16;

// Follows the volume record: a stored record's first value becomes the master effect volume
// (clamped to 0..10000) and every loaded effect is rescaled to it.
class SoundEffectVolumeListener : public PrefsListener {
public:
  void Notify(uint32_t id, PrefsFile* prefs) override;
  // Registers with the application's preferences; 0 when there are none.
  virtual int Register();
};

extern SoundEffectVolumeListener gSoundEffectVolumeListener;
