#include "sound/Radio.h"

#include <algorithm>

#include "Drovane/DataPaths.h"
#include "Drovane/DirectoryScan.h"
#include "Drovane/Languages.h"
#include "Drovane/PrefsFile.h"

namespace {

// The folder of a language's spoken items: its name and a backslash; empty when the string
// table has no name for it.
std::string LanguageFolder(int32_t language) {
  std::string folder;
  if (!AppendLanguageNameDirectory(folder, language)) folder.clear();
  return folder;
}

}  // namespace

Radio::~Radio() { mSound.Unload(); }

int Radio::Initialize() {
  BuildStations();
  LoadSettings();
  return 1;
}

int Radio::Shutdown() {
  SaveSettings();
  mSound.Unload();
  return 1;
}

void Radio::GetState(RadioState& state) const {
  state = {mVolume, mEnabled, mStationIndex, mDjSetting, mCommercialsSetting, mReserved, mLanguageFallback};
}

// The index is kept inside the list here: the select below finds it current and returns at
// once, so a damaged record would otherwise tune a station past the list.
void Radio::SetState(const RadioState& state) {
  mEnabled = state.enabled;
  mVolume = state.volume;
  mStationIndex = std::clamp(state.stationIndex, 0, std::max(GetStationCount() - 1, 0));
  mDjSetting = state.djSetting;
  mCommercialsSetting = state.commercialsSetting;
  mReserved = state.reserved;
  mLanguageFallback = state.languageFallback;
  SetVolume(mVolume);
  SelectStation(mStationIndex);
}

int Radio::LoadSettings() {
  PrefsFile* prefs = GetPrefsFile();
  if (!prefs) return 1;
  RadioState state;
  if (!DecodeRadioState(prefs->GetData(kRadioStateRecordId), prefs->GetSize(kRadioStateRecordId), state)) return 1;
  if ((state.enabled != 0 && state.enabled != 1) || state.volume < kRadioDuckedVolume) state.enabled = 0;
  SetState(state);
  return 1;
}

int Radio::SaveSettings() {
  PrefsFile* prefs = GetPrefsFile();
  if (!prefs) return 0;
  RadioState state;
  GetState(state);
  std::array<uint8_t, kRadioStateBytes> bytes = EncodeRadioState(state);
  prefs->SetData(kRadioStateRecordId, bytes.data(), kRadioStateBytes);
  return 1;
}

int Radio::SetPlaying(int32_t on) {
  if (!on) {
    if (!mPlaying) return 1;
    mPlaying = 0;
    mSound.Stop();
    return 1;
  }
  if (mPlaying || static_cast<size_t>(mStationIndex) >= mStations.size()) return 1;
  mPlaying = 1;
  RadioStation& station = mStations[static_cast<size_t>(mStationIndex)];
  station.Tune();
  station.Update();
  ApplyVolume();
  return 1;
}

void Radio::Duck(int32_t on) {
  if (on) {
    if (++mDuckCount == 1) ApplyVolume();
    return;
  }
  if (mDuckCount == 0) return;
  if (--mDuckCount == 0) ApplyVolume();
}

// A ducked sound plays at the ducked volume or the radio volume, whichever is lower, so that
// a volume lowered while ducked is heard at once and kept after the last unduck.
void Radio::ApplyVolume() {
  mSound.SetVolume(mDuckCount > 0 ? std::min(mVolume, kRadioDuckedVolume) : mVolume);
}

void Radio::SetSetting(int32_t value, int32_t index) {
  switch (index) {
    case 0: mDjSetting = value; break;
    case 1: mCommercialsSetting = value; break;
    case 2: mLanguageFallback = value; break;
    default: break;
  }
}

int32_t Radio::GetSetting(int32_t index) const {
  switch (index) {
    case 0: return mDjSetting;
    case 1: return mCommercialsSetting;
    case 2: return mLanguageFallback;
    default: return 0;
  }
}

int Radio::SetVolume(int32_t volume) {
  mVolume = std::clamp(volume, 0, kSoundVolumeMax);
  ApplyVolume();
  return 1;
}

int Radio::SelectStation(int32_t index) {
  if (index == mStationIndex) return 1;
  if (mSound.IsPlaying()) mSound.Stop();
  index = std::min(index, GetStationCount() - 1);
  if (index < 0) return 0;
  mStationIndex = index;
  mStations[static_cast<size_t>(index)].Tune();
  return 1;
}

int Radio::SelectStationById(int32_t id) {
  for (size_t i = 0; i < mStations.size(); ++i)
    if (mStations[i].GetId() == id) return SelectStation(static_cast<int32_t>(i));
  return 0;
}

int Radio::HasStation(int32_t id) const {
  return std::any_of(mStations.begin(), mStations.end(), [id](const RadioStation& s) { return s.GetId() == id; });
}

int Radio::Update() {
  if (!mPlaying || static_cast<size_t>(mStationIndex) >= mStations.size()) return 0;
  return mStations[static_cast<size_t>(mStationIndex)].Update();
}

int32_t Radio::BuildStations() {
  std::string root;
  gDataPaths.GetPathString(kDataRadio, 0, "", root);
  std::string stationsFolder = root + "stations\\";
  std::vector<std::string> names;
  DirectoryScan(stationsFolder).FindFilesByKind(names, DirectoryScan::kFolders);
  // The stations the sound may still be playing from go.
  SetPlaying(0);
  mStations.clear();
  for (const std::string& name : names) {
    RadioStation station(this);
    station.mFolder = stationsFolder + name + "\\";
    if (!station.LoadIdFile()) continue;
    station.mGroups[kRadioMusic].folder = station.mFolder + "music\\";
    station.mGroups[kRadioDj].folder = SpokenFolder(station.mFolder + "dj\\");
    station.mGroups[kRadioCommercial].folder = SpokenFolder(root + "commercl\\");
    station.mGroups[kRadioJingle].folder = SpokenFolder(station.mFolder + "jingle\\");
    mStations.push_back(std::move(station));
  }
  if (mStationIndex >= GetStationCount()) mStationIndex = 0;
  return GetStationCount();
}

std::string Radio::SpokenFolder(const std::string& base) const {
  std::string current = base + LanguageFolder(0);
  if (CurrentLanguage() == 1 || HasWaveFiles(current)) return current;
  return mLanguageFallback ? base + LanguageFolder(1) : base;
}

int Radio::IsGenreDirectory(const std::string& name) {
  return std::any_of(kRadioGenreFolders.begin(), kRadioGenreFolders.end(),
                     [&name](const char* genre) { return name == genre; });
}

int Radio::HasWaveFiles(const std::string& folder) { return PathExists(folder + "*.wav"); }
