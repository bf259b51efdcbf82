#include "Drovane/PrefsFile.h"

#include <cstring>

#include "Drovane/DebugLog.h"
#include "Drovane/RecordFile.h"
#include "platform/FileHandle.h"

namespace {

PrefsFile* gpPrefsFile = nullptr;

// Reads every chunk after the warning into the store; false when a chunk is damaged.
bool ReadRecords(RecordFile& file, PrefsStore& store) {
  if (!file.FirstChunk()) return false;
  bool first = true;
  for (bool more = file.GetChunkLength() > 0; more; more = file.NextChunk()) {
    bool warning = first && file.GetChunkTag() == 0;
    first = false;
    if (warning) continue;
    if (file.GetChunkDataSize() > PrefsFile::kMaxRecordSize) return false;
    std::vector<uint8_t> data(static_cast<size_t>(file.GetChunkDataSize()));
    if (!data.empty() && !file.ReadChunkData(data.data(), data.size())) return false;
    store.SetRecord(file.GetChunkTag(), data.data(), static_cast<uint32_t>(data.size()));
  }
  return !file.HasError();
}

// Why the file cannot be read as preferences; empty when it can be opened and fits.
std::string OpeningProblem(const std::string& path) {
  int handle = platform::OpenFile(path, platform::kFileRead);
  if (handle < 0) return platform::LastFileFailure();
  int64_t length = platform::FileLength(handle);
  platform::CloseFile(handle);
  return length > PrefsFile::kMaxFileSize ? "larger than 1 MB" : "";
}

}  // namespace

void PrefsFile::SetData(uint32_t id, const void* data, uint32_t size) {
  SetRecord(id, data, size);
  // A listener may add others while being told; those are told from the next change on.
  for (size_t i = 0, count = mListeners.size(); i < count; ++i)
    if (mListeners[i].first == id) mListeners[i].second->Notify(id, this);
}

int PrefsFile::AddListener(uint32_t id, PrefsListener* listener) {
  mListeners.emplace_back(id, listener);
  return 1;
}

PrefsFile::LoadResult PrefsFile::Load(const std::string& path) {
  Clear();
  if (!platform::NameExists(path)) {
    DebugPrintf("No preferences file %s\n", path.c_str());
    return LoadResult::kMissing;
  }
  std::string problem = OpeningProblem(path);
  if (problem.empty() && ReadRecordFile(path)) return LoadResult::kRead;
  Clear();
  DebugPrintf("Preferences file %s cannot be read (%s); starting with none\n", path.c_str(),
              problem.empty() ? "damaged, or of another type or version" : problem.c_str());
  return LoadResult::kDamaged;
}

bool PrefsFile::ReadRecordFile(const std::string& path) {
  RecordFile file(path.c_str());
  return file.OpenForRead() && file.GetCreator() == kCreator && file.GetFileType() == kFileType &&
         file.GetTypeVersion() == kTypeVersion && file.IsComplete() && ReadRecords(file, *this);
}

bool PrefsFile::Save(const std::string& path) const {
  RecordFile file(path.c_str());
  if (!file.OpenForWrite(kCreator, kFileType, kTypeVersion)) {
    DebugPrintf("Cannot write the preferences file %s\n", path.c_str());
    return false;
  }
  file.WriteChunk(0, kWarning, std::strlen(kWarning) + 1);
  for (const PrefsRecord& record : Records()) file.WriteChunk(record.id, record.data.data(), record.data.size());
  if (file.Close()) return true;
  DebugPrintf("Cannot write the preferences file %s\n", path.c_str());
  return false;
}

void SetPrefsFile(PrefsFile* prefs) {
  gpPrefsFile = prefs;
}

PrefsFile* GetPrefsFile() {
  return gpPrefsFile;
}
