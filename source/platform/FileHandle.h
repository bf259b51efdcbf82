#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The run-time library's low-level files over handles. Every path is in the game's form and
// found through ResolvePath, so opening, testing and creating ignore letter case, and
// writing into an existing file keeps its name.
namespace platform {

// Open flags, with the values of the run-time library the game was written against.
enum FileOpenFlags : uint32_t {
  kFileRead = 0x0,
  kFileWrite = 0x1,
  kFileReadWrite = 0x2,
  kFileAccessMask = 0x3,
  kFileAppend = 0x8,
  kFileCreate = 0x100,
  kFileTruncate = 0x200,
  kFileExclusive = 0x400,
};

// Permission bits of a created file: read 0x100, write 0x80 (384 is both).
constexpr int kPermissionReadWrite = 384;

// A handle (0 or more), or -1.
int OpenFile(const std::string& gamePath, uint32_t flags, int permission = kPermissionReadWrite);
// 0, or -1 when the handle is not open.
int CloseFile(int handle);
// Bytes moved (fewer only at the end of the file), or -1 on an error.
int64_t ReadFile(int handle, void* buffer, size_t size);
int64_t WriteFile(int handle, const void* data, size_t size);
// origin 0 from the start, 1 from the current position, 2 from the end; the new position
// or -1.
int64_t SeekFile(int handle, int64_t offset, int origin);
int64_t FileLength(int handle);
bool TruncateFile(int handle, int64_t length);

// Whether a file (not a folder) of that name exists.
bool FileExists(const std::string& gamePath);
bool FolderExists(const std::string& gamePath);
// Renames a file over another in one step; an existing target keeps its name and its
// permission bits.
bool ReplaceFile(const std::string& fromGamePath, const std::string& toGamePath);
bool RemoveFile(const std::string& gamePath);
bool MakeFolder(const std::string& gamePath);
// Creates every missing folder of the path.
bool MakeFolders(const std::string& gamePath);

}  // namespace platform

namespace platform {

// The name a file is written under before it replaces the file itself.
std::string TemporarySibling(const std::string& gamePath);
// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& gamePath, std::string& contents);
// Writes a temporary sibling and renames it over the file only when every byte was written,
// so a failed save leaves the old file as it was.
bool SaveWholeFile(const std::string& gamePath, const void* data, size_t size);

}  // namespace platform
