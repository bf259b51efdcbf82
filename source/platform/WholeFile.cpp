#include "platform/WholeFile.h"

namespace platform {

std::string TemporarySibling(const std::string& gamePath) {
  return gamePath + ".tmp";
}

bool ReadWholeFile(const std::string& gamePath, std::string& contents, size_t maxSize) {
  contents.clear();
  int handle = OpenFile(gamePath, kFileRead);
  if (handle < 0) return false;
  int64_t length = FileLength(handle);
  bool ok = length >= 0 && static_cast<uint64_t>(length) <= maxSize;
  if (ok) {
    contents.resize(static_cast<size_t>(length));
    ok = ReadFile(handle, contents.data(), contents.size()) == length;
  }
  CloseFile(handle);
  if (!ok) contents.clear();
  return ok;
}

bool SaveWholeFile(const std::string& gamePath, const void* data, size_t size, int permission) {
  std::string temporary = TemporarySibling(gamePath);
  int handle = OpenFile(temporary, kFileWrite | kFileCreate | kFileTruncate, permission);
  if (handle < 0) return false;
  bool written = WriteFile(handle, data, size) == static_cast<int64_t>(size);
  return CommitTemporarySibling(handle, written, temporary, gamePath);
}

bool CommitTemporarySibling(int handle, bool written, const std::string& temporary,
                            const std::string& gamePath) {
  bool flushed = written && FlushFile(handle);
  bool closed = CloseFile(handle) == 0;
  if (flushed && closed && ReplaceFile(temporary, gamePath)) {
    FlushFolderOf(gamePath);
    return true;
  }
  RemoveFile(temporary);
  return false;
}

}  // namespace platform
