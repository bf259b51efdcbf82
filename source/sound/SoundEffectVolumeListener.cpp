#include "sound/SoundEffectVolumeListener.h"

#include "platform/ByteOrder.h"
#include "sound/SoundEffects.h"

SoundEffectVolumeListener gSoundEffectVolumeListener;

void SoundEffectVolumeListener::Notify(uint32_t id, PrefsFile* prefs) {
  if (id != kEffectVolumeRecordId || !prefs) return;
  const void* data = prefs->GetData(id);
  // A damaged file can hold a record too short for its first value.
  if (!data || prefs->GetSize(id) < sizeof(int32_t)) return;
  SetMasterEffectVolume(platform::ReadLE32Signed(static_cast<const uint8_t*>(data)));
}

int SoundEffectVolumeListener::Register() {
  PrefsFile* prefs = GetPrefsFile();
  if (!prefs) return 0;
  return prefs->AddListener(kEffectVolumeRecordId, this);
}
