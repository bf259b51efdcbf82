#include "Drovane/ProgramResourceTable.h"

#include <cstdio>
#include <mutex>

#include "Drovane/RecordFile.h"
#include "platform/ProgramResources.h"

namespace {

std::mutex gResourceMutex;
std::string gResourcePath;
bool gLoaded = false;
ResourceTable gResources;

bool Refuse(const char* reason, ResourceTable& table, std::string& error) {
  table.clear();
  error = reason;
  return false;
}

bool IsResourceFile(RecordFile& file) {
  const RecordFileHeader& header = file.GetHeader();
  return header.magic == RecordFile::kMagic && header.formatVersion == RecordFile::kFormatVersion &&
         header.creator == platform::kResourceCreator && header.fileType == platform::kResourceFileType &&
         header.typeVersion == platform::kResourceTypeVersion;
}

void LoadResources() {
  gLoaded = true;
  std::string path = gResourcePath.empty() ? platform::ProgramResourceFilePath() : gResourcePath;
  std::string error;
  if (!ReadResourceFile(path, gResources, error)) std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
}

}  // namespace

bool ReadResourceFile(const std::string& path, ResourceTable& table, std::string& error) {
  table.clear();
  RecordFile file(path.c_str());
  if (!file.OpenForRead()) return Refuse("cannot be read, or shorter than its header", table, error);
  if (!IsResourceFile(file)) return Refuse("not a resource file", table, error);
  if (!file.IsComplete()) return Refuse("length field differs from the file's size", table, error);
  for (bool more = file.GetChunkLength() > 0; more; more = file.NextChunk()) {
    std::vector<uint8_t> data(static_cast<size_t>(file.GetChunkDataSize()));
    if (!data.empty() && !file.ReadChunkData(data.data(), data.size())) return Refuse("cannot be read", table, error);
    table.emplace(file.GetChunkTag(), std::move(data));
  }
  if (file.HasError()) return Refuse("a chunk header is cut short or its length is wrong", table, error);
  return true;
}

const std::vector<uint8_t>* FindProgramResource(uint32_t id) {
  std::lock_guard lock(gResourceMutex);
  if (!gLoaded) LoadResources();
  auto found = gResources.find(id);
  return found == gResources.end() ? nullptr : &found->second;
}

void SetResourceFile(const std::string& path) {
  std::lock_guard lock(gResourceMutex);
  gResourcePath = path;
  gResources.clear();
  gLoaded = false;
}
