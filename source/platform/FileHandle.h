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

// Permission bits of a created file: read 0x100, write 0x80 (384 is both, for the owner).
constexpr int kPermissionReadWrite = 384;
// Read and write for the owner, read for everyone else (0644): what the tools write.
constexpr int kPermissionReadableByAll = 0644;

// A handle (0 or more), or -1. Only regular files open: a folder, a FIFO or a device is
// refused without waiting on it, and LastFileFailure says why.
int OpenFile(const std::string& gamePath, uint32_t flags, int permission = kPermissionReadWrite);
// Why the last OpenFile of this thread failed ("is a folder", the system's reason, ...).
const std::string& LastFileFailure();
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
// Waits until the file's bytes are on the disk.
bool FlushFile(int handle);

// Whether a regular file (not a folder, FIFO or device) of that name exists.
bool RegularFileExists(const std::string& gamePath);
bool FolderExists(const std::string& gamePath);
// Whether anything at all (file, folder, FIFO, device) has that name.
bool NameExists(const std::string& gamePath);
// Renames a file over another in one step; an existing target keeps its name and its
// permission bits.
bool ReplaceFile(const std::string& fromGamePath, const std::string& toGamePath);
// Renames whatever has the name (a folder too) to the other name, replacing a file there.
bool RenameReplacing(const std::string& fromGamePath, const std::string& toGamePath);
// Waits until the folder's entries (a rename into it) are on the disk.
bool FlushFolderOf(const std::string& gameFilePath);
bool RemoveFile(const std::string& gamePath);
bool MakeFolder(const std::string& gamePath);
// Creates every missing folder of the path.
bool MakeFolders(const std::string& gamePath);

}  // namespace platform
