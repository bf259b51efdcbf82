#include "game/KeyBindingFile.h"

#include "Drovane/DamagedFile.h"
#include "Drovane/DataPaths.h"
#include "Drovane/DebugLog.h"
#include "Drovane/RecordFile.h"
#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"

using platform::ReadLE32;
using platform::WriteLE32;

namespace {

bool IsKeyBindingFile(RecordFile& file) {
  return file.GetHeader().magic == RecordFile::kMagic && file.IsComplete() &&
         file.GetCreator() == kKeyBindingFileCode && file.GetFileType() == kKeyBindingFileCode;
}

// The valid bindings of every chunk; false when a chunk header is bad.
bool ReadBindings(RecordFile& file, KeyBindingList& bindings) {
  for (bool more = file.GetChunkLength() > 0; more; more = file.NextChunk()) {
    if (file.GetChunkDataSize() < static_cast<int32_t>(kKeyBindingSize)) continue;
    uint8_t bytes[kKeyBindingSize];
    if (!file.ReadChunkData(bytes, sizeof bytes)) return false;
    KeyBinding binding = DecodeKeyBinding(bytes);
    if (IsValidKeyBinding(binding)) bindings.push_back(binding);
  }
  return !file.HasError();
}

}  // namespace

void EncodeKeyBinding(const KeyBinding& binding, uint8_t* bytes) {
  const int32_t words[] = {binding.device,    binding.command,     binding.control,
                           binding.modifiers, binding.singlePress, binding.continuous};
  for (int32_t word : words) {
    WriteLE32(bytes, static_cast<uint32_t>(word));
    bytes += 4;
  }
}

KeyBinding DecodeKeyBinding(const uint8_t* bytes) {
  auto word = [bytes](int index) { return static_cast<int32_t>(ReadLE32(bytes + 4 * index)); };
  return {word(0), word(1), word(2), word(3), word(4), word(5)};
}

KeyBindingFileResult ReadKeyBindingFile(const std::string& path, KeyBindingList& list) {
  if (!platform::NameExists(path)) return KeyBindingFileResult::kMissing;
  RecordFile file(path.c_str());
  KeyBindingList bindings;
  if (!file.OpenForRead() || !IsKeyBindingFile(file) || !file.FirstChunk() || !ReadBindings(file, bindings))
    return KeyBindingFileResult::kDamaged;
  list.insert(list.end(), bindings.begin(), bindings.end());
  return KeyBindingFileResult::kRead;
}

bool WriteKeyBindingFile(const std::string& path, const KeyBindingList& list) {
  RecordFile file(path.c_str());
  if (!file.OpenForWrite(kKeyBindingFileCode, kKeyBindingFileCode, kKeyBindingFileVersion)) return false;
  for (const KeyBinding& binding : list) {
    uint8_t bytes[kKeyBindingSize];
    EncodeKeyBinding(binding, bytes);
    file.WriteChunk(0, bytes, sizeof bytes);
  }
  return file.Close();
}

bool LoadKeyBindings(KeyBindingList& list) {
  std::string readPath, writePath;
  if (!gDataPaths.GetPathString(kDataSettings, 0, kKeyBindingFileName, readPath)) return false;
  KeyBindingFileResult result = ReadKeyBindingFile(readPath, list);
  if (result == KeyBindingFileResult::kRead) return true;
  if (result == KeyBindingFileResult::kMissing) return false;
  DebugPrintf("Key-binding file %s cannot be read (damaged, or of another type)\n", readPath.c_str());
  if (gDataPaths.GetWritePathString(kKeyBindingFileName, writePath) && writePath == readPath)
    KeepDamagedFileAside(readPath);
  return false;
}

bool SaveKeyBindings(const KeyBindingList& list) {
  std::string path;
  if (!gDataPaths.GetWritePathString(kKeyBindingFileName, path)) return false;
  if (WriteKeyBindingFile(path, list)) return true;
  DebugPrintf("Cannot write the key-binding file %s\n", path.c_str());
  return false;
}

int32_t DeleteKeyBindingsFile() {
  std::string path;
  if (!gDataPaths.GetWritePathString(kKeyBindingFileName, path)) return -1;
  return platform::RemoveFile(path) ? 0 : -1;
}
