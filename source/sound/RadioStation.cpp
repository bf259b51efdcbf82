#include "sound/RadioStation.h"

#include <utility>

#include "Drovane/DirectoryScan.h"
#include "Drovane/GameRandom.h"
#include "Drovane/SubtractiveRandom.h"
#include "sound/Radio.h"

namespace {

// For each place from the second on, a swap with a place at random at or before it.
template <typename T>
void Shuffle(std::vector<T>& entries) {
  for (size_t i = 1; i < entries.size(); ++i) {
    size_t j = RandomNumber(static_cast<uint32_t>(i + 1));
    std::swap(entries[i], entries[j]);
  }
}

// Percent draws of the schedule.
constexpr int32_t kMusicRunsOnPercent = 75;
constexpr int32_t kDjPercent = 50;
constexpr int32_t kCommercialPercent = 10;

bool DrawBelow(int32_t percent) { return GameRand() % 100 < percent; }

}  // namespace

RadioStation::RadioStation(Radio* radio) : mpRadio(radio) { Shuffle(mSchedule); }

void RadioStation::Tune() {
  LoadFileLists();
  ShuffleAll();
}

void RadioStation::LoadFileLists() {
  for (RadioItemGroup& group : mGroups) {
    group.files.clear();
    group.position = RadioItemGroup::kNotPlaced;
    DirectoryScan scan(group.folder);
    scan.SetPattern("*.wav", false);
    scan.FindFilesByKind(group.files, DirectoryScan::kFiles);
  }
}

void RadioStation::ShuffleAll() {
  for (RadioItemGroup& group : mGroups) {
    if (group.files.empty()) continue;
    std::string last = group.files.back();
    ShuffleList(group.files);
    if (group.files.front() == last) std::swap(group.files.front(), group.files.back());
    group.position = 0;
  }
}

void RadioStation::ShuffleList(std::vector<std::string>& names) { Shuffle(names); }

void RadioStation::ReshuffleSchedule() {
  int32_t last = mSchedule.back();
  Shuffle(mSchedule);
  if (last != kRadioMusic && mSchedule.front() == last) std::swap(mSchedule.front(), mSchedule.back());
}

int32_t RadioStation::HasItems(int32_t kind) const {
  if (kind < kRadioMusic || kind > kRadioJingle) return 0;
  int32_t count = static_cast<int32_t>(mGroups[static_cast<size_t>(kind)].files.size());
  if (kind == kRadioDj && !mpRadio->GetSetting(0)) return 0;
  if ((kind == kRadioCommercial || kind == kRadioJingle) && !mpRadio->GetSetting(1)) return 0;
  return count;
}

int RadioStation::LoadIdFile() {
  DirectoryScan scan(mFolder);
  scan.SetPattern("*.id*", false);
  std::vector<std::string> names;
  scan.FindFilesByKind(names, DirectoryScan::kFiles);
  if (names.empty()) return 0;
  DirectoryEntry(nullptr, names.front(), DirectoryEntry::kFile).StripExtension(mName);
  return 1;
}

int32_t RadioStation::GetGenreIndex() const {
  std::string parent, name;
  SplitPath(mFolder, parent, name);
  for (size_t i = 0; i < kRadioGenreFolders.size(); ++i)
    if (name.rfind(kRadioGenreFolders[i], 0) == 0) return static_cast<int32_t>(i);
  return -1;
}

int RadioStation::PlayItem(int32_t kind) {
  if (kind < kRadioMusic || kind > kRadioJingle) return 1;
  RadioItemGroup& group = mGroups[static_cast<size_t>(kind)];
  if (group.files.empty()) return 1;
  group.position = group.position + 1 < group.files.size() ? group.position + 1 : 0;
  DigitalSound& sound = mpRadio->mSound;
  if (sound.IsPlaying()) sound.Stop();
  sound.SetFile(group.folder + group.files[group.position], kLoadStreamed);
  sound.Play(0, kPlayModeRestart);
  mpRadio->SetVolume(mpRadio->mVolume);
  return 1;
}

void RadioStation::StartItem(int32_t kind) {
  mInGap = 0;
  PlayItem(kind);
}

bool RadioStation::DrawsItem(int32_t kind) {
  switch (kind) {
    case kRadioMusic: return HasItems(kind) != 0;
    case kRadioDj: return DrawBelow(kDjPercent) && HasItems(kind);
    case kRadioCommercial:
    case kRadioJingle: return DrawBelow(kCommercialPercent) && HasItems(kind);
    default: return false;
  }
}

int RadioStation::Update() {
  if (!mInGap) {
    if (!mpRadio->mSound.IsPlaying()) {
      mInGap = 1;
      mGapStopwatch.Restart();
    }
    return 1;
  }
  if (mGapStopwatch.Elapsed() < kRadioGapMs) return 1;
  int32_t current = mSchedule[static_cast<size_t>(mSchedulePosition)];
  if (current == kRadioMusic && HasItems(kRadioMusic) && DrawBelow(kMusicRunsOnPercent)) {
    StartItem(kRadioMusic);
    return 1;
  }
  if (++mSchedulePosition >= static_cast<int32_t>(mSchedule.size())) {
    ReshuffleSchedule();
    mSchedulePosition = 0;
  }
  int32_t next = mSchedule[static_cast<size_t>(mSchedulePosition)];
  if (DrawsItem(next)) StartItem(next);
  return 1;
}
