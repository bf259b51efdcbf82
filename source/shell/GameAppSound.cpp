// The application's sound steps: the device and the effects at preparation, the volume
// record of the preferences, and the queues at the end.
#include <algorithm>
#include <array>

#include "Drovane/DataPaths.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/MainWindow.h"
#include "platform/ByteOrder.h"
#include "platform/MessageBox.h"
#include "screens/ControlClickSound.h"
#include "shell/GameApp.h"
#include "sound/SoundEffectVolumeListener.h"
#include "sound/SoundEffects.h"
#include "sound/SoundQueue.h"

namespace {

constexpr uint32_t kSoundFailedString = 35;
constexpr int32_t kFullVolume = 10000;
constexpr const char* kClickSoundFile = "button.wav";

using VolumeRecord = std::array<int32_t, kEffectVolumeRecordSize / 4>;

// A damaged file can hold a record of another size, or values past the range.
VolumeRecord ReadVolumeRecord(const PrefsFile& prefs) {
  VolumeRecord volumes;
  volumes.fill(kFullVolume);
  const auto* bytes = static_cast<const uint8_t*>(prefs.GetData(kEffectVolumeRecordId));
  if (!bytes || prefs.GetSize(kEffectVolumeRecordId) != kEffectVolumeRecordSize) return volumes;
  for (size_t i = 0; i < volumes.size(); ++i)
    volumes[i] = std::clamp(platform::ReadLE32Signed(bytes + 4 * i), 0, kFullVolume);
  return volumes;
}

}  // namespace

void CGameApp::PrepareSound() {
  if (!InitSoundEffects(mpMainWindow->mWindow))
    platform::ShowMessageBox(LocalizedString(kSoundFailedString), kGameTitle, platform::MB_OK);
  LoadEffectVolume();
  gSoundEffectVolumeListener.Register();
  LoadSoundEffects();
  gSoundQueues[0].Start();
  gSoundQueues[1].Start();
  GiveClickSoundsTheirFile();
}

void CGameApp::GiveClickSoundsTheirFile() {
  std::string path;
  if (!gDataPaths.GetPathString(kDataSound, 0, kClickSoundFile, path)) return;
  for (ControlClickSound* click : {&gPushButtonClick, &gRadioButtonClick, &gCheckBoxClick})
    click->mSound.SetFile(path, kLoadInMemory);
}

void CGameApp::StopSoundQueues() {
  gSoundQueues[0].Stop(1);
  gSoundQueues[1].Stop(1);
}

void CGameApp::LoadEffectVolume() { SetMasterEffectVolume(ReadVolumeRecord(mPrefs)[0]); }

void CGameApp::SetEffectVolume(int32_t volume) {
  VolumeRecord volumes = ReadVolumeRecord(mPrefs);
  volumes[0] = std::clamp(volume, 0, kFullVolume);
  uint8_t bytes[kEffectVolumeRecordSize];
  for (size_t i = 0; i < volumes.size(); ++i) platform::WriteLE32(bytes + 4 * i, static_cast<uint32_t>(volumes[i]));
  mPrefs.SetData(kEffectVolumeRecordId, bytes, sizeof bytes);
}
