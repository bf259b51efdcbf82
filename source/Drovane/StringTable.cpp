#include "Drovane/StringTable.h"

#include <algorithm>
#include <vector>

#include "Drovane/BinaryFile.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "Drovane/RecordFile.h"
#include "platform/FileHandle.h"

StringTable gStringTable;

namespace {

// The chunk's text, cut to the table's limit.
std::string ReadChunkText(RecordFile& file) {
  size_t size = static_cast<size_t>(file.GetChunkDataSize());
  std::vector<char> bytes(std::min(size, StringTable::kMaxTextLength));
  if (bytes.empty() || !file.ReadChunkData(bytes.data(), bytes.size())) return {};
  if (size > StringTable::kMaxTextLength)
    DebugPrintf("String %u is %zu bytes long; cut to %zu.\n", file.GetChunkTag(), size,
                StringTable::kMaxTextLength);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

bool StringTable::Add(uint32_t id, const std::string& text) {
  if (id > kMaxId) {
    DebugPrintf("String id %u is outside the table; dropped.\n", id);
    return false;
  }
  if (!mTexts.emplace(id, text.substr(0, kMaxTextLength)).second) {
    DebugPrintf("String id %u appears twice; the second is dropped.\n", id);
    return false;
  }
  return true;
}

bool StringTable::Find(uint32_t id, std::string& text) const {
  auto found = mTexts.find(id);
  if (found == mTexts.end()) return false;
  text = found->second;
  return true;
}

bool StringTable::Load(const std::string& path) {
  Clear();
  RecordFile file(path.c_str());
  if (!file.OpenForRead()) return false;
  if (file.GetCreator() != kCreator || file.GetFileType() != kFileType) {
    DebugPrintf("\"%s\" is not a string table.\n", path.c_str());
    return false;
  }
  for (bool more = file.GetChunkLength() != 0; more; more = file.NextChunk())
    Add(file.GetChunkTag(), ReadChunkText(file));
  if (file.HasError())
    DebugPrintf("The string table \"%s\" is damaged; %zu strings read.\n", path.c_str(), Count());
  return true;
}

bool StringTable::Save(const std::string& path) const {
  RecordFile file(path.c_str());
  bool written = file.OpenForWrite(kCreator, kFileType, kTypeVersion, platform::kPermissionReadableByAll);
  for (const auto& [id, text] : mTexts) written = written && file.WriteChunk(id, text.data(), text.size());
  return file.Close() && written;
}

bool FindString(uint32_t id, std::string& text) { return gStringTable.Find(id, text); }

std::string StringTablePath() {
  std::string inRootA = gDataPaths.RootA() + StringTable::kFileName;
  if (BinaryFile().Exists(inRootA.c_str())) return inRootA;
  return gDataPaths.RootB() + StringTable::kFileName;
}
