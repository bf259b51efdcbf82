#include "game/P3Tweak.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>

#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "game/P3WorldLoading.h"
#include "platform/FileHandle.h"
#include "platform/ProfileFile.h"
#include "platform/RegisteredMessages.h"

namespace {

struct TweakSection {
  std::array<TweakVariable, kTweakMaxValues> values;
  int32_t count = 0;
  std::string name;
};

constexpr const char* kNoRedirect = "NO_REDIRECT";
constexpr const char* kNoSectionText = "TWK_ERR_NO_SECTION";
constexpr const char* kCorruptedText = "CORRUPTED_FILE";
constexpr const char* kAdministration = "General Administration";
constexpr size_t kMaxFileName = 299;
constexpr size_t kMaxValueText = 14;
constexpr size_t kMaxTypeText = 19;

std::vector<TweakSection> gSections;
std::vector<int32_t> gErrors;
uint32_t gMessageId = 0;
// A live-tuning message came while a world was loading; the next frame reads the tuning.
bool gReloadPending = false;

std::string TuningPath(const char* fileName) {
  std::string path;
  gDataPaths.GetPathString(kDataTuning, 0, fileName ? fileName : "", path);
  return path;
}

platform::ProfileFile LoadTuningFile(const char* fileName) {
  platform::ProfileFile file;
  file.Load(TuningPath(fileName));
  return file;
}

void RecordError(int32_t index) {
  if (gErrors.size() < static_cast<size_t>(kTweakMaxSections)) gErrors.push_back(index);
}

int32_t ToFixedPoint(double value) {
  double scaled = value * 65536.0;
  if (std::isnan(scaled)) return 0;
  if (scaled >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (scaled <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

// Converts the value text by its type and stores it when the variable has the type's size.
void StoreValue(const TweakSection& section, int32_t i, const std::string& text, const std::string& type) {
  const TweakVariable& variable = section.values[static_cast<size_t>(i)];
  int32_t whole = 0;
  double real = 0;
  const void* bytes = &whole;
  size_t size = sizeof whole;
  if (type == "fxpt") {
    whole = ToFixedPoint(platform::ParseProfileDouble(text));
  } else if (type == "double") {
    real = platform::ParseProfileDouble(text);
    bytes = &real;
    size = sizeof real;
  } else {
    whole = platform::ParseProfileInt(text);
  }
  if (!variable.pointer || variable.size != size) {
    DebugPrintf("Tuning %s value %d is %s but its variable has %zu bytes: not stored\n",
                section.name.c_str(), i, type.c_str(), variable.size);
    return;
  }
  std::memcpy(variable.pointer, bytes, size);
}

void ReadSectionFrom(const platform::ProfileFile& file, const std::string& sectionName, int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(gSections.size())) return;
  int32_t count = file.GetInt(sectionName, "NumCtrl", kTweakNoSection);
  if (count == kTweakNoSection) {
    RecordError(index);
    return;
  }
  const TweakSection& section = gSections[static_cast<size_t>(index)];
  int32_t stored = std::min(count, section.count);
  for (int32_t i = 0; i < stored; ++i) {
    std::string prefix = "Ctrl" + std::to_string(i);
    std::string text = file.GetString(sectionName, prefix + "_Value", kNoSectionText, kMaxValueText);
    std::string type = file.GetString(sectionName, prefix + "_DataType", kCorruptedText, kMaxTypeText);
    StoreValue(section, i, text, type);
  }
}

}  // namespace

uint32_t TweakRegisterMessage() {
  gMessageId = platform::RegisterWindowMessage(kTweakMessageName);
  gSections.clear();
  gErrors.clear();
  return gMessageId;
}

uint32_t TweakMessageId() {
  return gMessageId;
}

int32_t TweakRegisterSection(const TweakVariable* values, int32_t count, const char* name) {
  if (gSections.size() >= static_cast<size_t>(kTweakMaxSections)) return kTweakTooManySections;
  if (count > kTweakMaxValues) return kTweakTooManyValues;
  TweakSection section;
  section.count = std::max(count, 0);
  std::copy(values, values + section.count, section.values.begin());
  section.name = name ? name : "";
  if (section.name.size() > kTweakMaxNameLength) {
    DebugPrintf("Tuning section name cut to %zu characters: %s\n", kTweakMaxNameLength, section.name.c_str());
    section.name.resize(kTweakMaxNameLength);
  }
  gSections.push_back(std::move(section));
  return static_cast<int32_t>(gSections.size());
}

size_t TweakReadAllSections(const char* fileName) {
  std::string given = fileName ? fileName : "";
  std::map<std::string, platform::ProfileFile> files;
  files.emplace(given, LoadTuningFile(given.c_str()));
  size_t held = files[given].Sections().size();
  for (size_t index = 0; index < gSections.size(); ++index) {
    const std::string& name = gSections[index].name;
    std::string redirect = files[given].GetString(name, "Redirect", kNoRedirect, kMaxFileName);
    const std::string& source = redirect != kNoRedirect ? redirect : given;
    if (!files.count(source)) files.emplace(source, LoadTuningFile(source.c_str()));
    ReadSectionFrom(files[source], name, static_cast<int32_t>(index));
  }
  return held;
}

void TweakReadSection(const char* fileName, const char* sectionName, int32_t index) {
  ReadSectionFrom(LoadTuningFile(fileName), sectionName ? sectionName : "", index);
}

int32_t TweakReadFile(const char* fileName, bool singleSection) {
  gErrors.clear();
  std::string controlPath = TuningPath(fileName);
  platform::ProfileFile control;
  control.Load(controlPath);
  std::string readFile = control.GetString(kAdministration, "ReadFile", "ALL", kMaxFileName);
  if (!singleSection || readFile == "ALL") {
    TweakReadAllSections(fileName);
    return TweakErrorCount();
  }
  std::string wanted = control.GetString(kAdministration, "ReadSection", kNoSectionText, kTweakMaxNameLength);
  if (wanted == kNoSectionText) return kTweakNoSection;
  for (size_t index = 0; index < gSections.size(); ++index) {
    if (gSections[index].name != wanted) continue;
    TweakReadSection(readFile.c_str(), wanted.c_str(), static_cast<int32_t>(index));
    // The request is carried out once.
    control.Set(kAdministration, "ReadFile", "ALL");
    control.Save(controlPath);
    break;
  }
  return TweakErrorCount();
}

int32_t TweakErrorCount() {
  return static_cast<int32_t>(gErrors.size());
}

const std::vector<int32_t>& TweakErrorList() {
  return gErrors;
}

int32_t TweakSectionCount() {
  return static_cast<int32_t>(gSections.size());
}

void TweakAfterReload() {}

void TweakLiveReload() {
  std::unique_lock loading(WorldLoadingMutex(), std::try_to_lock);
  if (!loading.owns_lock()) {
    gReloadPending = true;
    return;
  }
  gReloadPending = false;
  size_t held = TweakReadAllSections(kTweakFileName);
  TweakAfterReload();
  std::string path = TuningPath(kTweakFileName);
  if (platform::RegularFileExists(path)) {
    DebugPrintf("Tuning read from %s: %zu sections.\n", path.c_str(), held);
  } else {
    DebugPrintf("No tuning file %s: nothing was read.\n", path.c_str());
  }
}

bool TweakReloadPending() {
  return gReloadPending;
}

size_t TweakCopyLine(char* dest, size_t destSize, const char* source) {
  if (!dest || destSize == 0) return 0;
  size_t n = 0;
  while (source && source[n] && source[n] != '\r' && n + 1 < destSize) {
    dest[n] = source[n];
    ++n;
  }
  dest[n] = '\0';
  return n;
}
