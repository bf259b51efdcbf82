#include "platform/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/FilePath.h"
#include "platform/WrittenFiles.h"

namespace platform {
namespace {

thread_local std::string gLastFailure;

// Opening never waits: a FIFO without a writer would hold the game until one came.
int SystemFlags(uint32_t flags) {
  int system = O_CLOEXEC | O_NONBLOCK;
  switch (flags & kFileAccessMask) {
    case kFileWrite: system |= O_WRONLY; break;
    case kFileReadWrite: system |= O_RDWR; break;
    default: system |= O_RDONLY; break;
  }
  if (flags & kFileAppend) system |= O_APPEND;
  if (flags & kFileCreate) system |= O_CREAT;
  if (flags & kFileTruncate) system |= O_TRUNC;
  if (flags & kFileExclusive) system |= O_EXCL;
  return system;
}

bool StatPath(const std::string& gamePath, struct stat& info) {
  std::string path = ResolvePath(gamePath);
  return !path.empty() && stat(path.c_str(), &info) == 0;
}

int Fail(const std::string& reason) {
  gLastFailure = reason;
  return -1;
}

// Only regular files are data; anything else is closed again with the reason.
int KeepRegularFile(int handle) {
  struct stat info;
  if (fstat(handle, &info) != 0) {
    int error = errno;
    close(handle);
    return Fail(std::strerror(error));
  }
  if (S_ISREG(info.st_mode)) return handle;
  close(handle);
  return Fail(S_ISDIR(info.st_mode) ? "is a folder" : "is not a regular file");
}

}  // namespace

int OpenFile(const std::string& gamePath, uint32_t flags, int permission) {
  std::string path = ResolvePath(gamePath);
  if (path.empty()) return Fail("empty name");
  mode_t mode = static_cast<mode_t>(permission) & 0777;
  int handle = open(path.c_str(), SystemFlags(flags), mode);
  if (handle < 0 && errno == ENOENT && (flags & kFileCreate) && CreateUserDataFolderFor(path))
    handle = open(path.c_str(), SystemFlags(flags), mode);
  if (handle < 0) return Fail(errno == EISDIR ? "is a folder" : std::strerror(errno));
  return KeepRegularFile(handle);
}

const std::string& LastFileFailure() {
  return gLastFailure;
}

int CloseFile(int handle) {
  if (handle < 0) return -1;
  return close(handle) == 0 ? 0 : -1;
}

int64_t ReadFile(int handle, void* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t n = read(handle, static_cast<char*>(buffer) + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

int64_t WriteFile(int handle, const void* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t n = write(handle, static_cast<const char*>(data) + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return -1;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

int64_t SeekFile(int handle, int64_t offset, int origin) {
  int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  off_t position = lseek(handle, static_cast<off_t>(offset), whence);
  return position < 0 ? -1 : static_cast<int64_t>(position);
}

int64_t FileLength(int handle) {
  struct stat info;
  if (fstat(handle, &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool TruncateFile(int handle, int64_t length) {
  return length >= 0 && ftruncate(handle, static_cast<off_t>(length)) == 0;
}

bool FlushFile(int handle) {
  return fsync(handle) == 0;
}

bool RegularFileExists(const std::string& gamePath) {
  struct stat info;
  return StatPath(gamePath, info) && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& gamePath) {
  struct stat info;
  return StatPath(gamePath, info) && S_ISDIR(info.st_mode);
}

bool NameExists(const std::string& gamePath) {
  std::string path = ResolvePath(gamePath);
  struct stat info;
  return !path.empty() && lstat(path.c_str(), &info) == 0;
}

bool ReplaceFile(const std::string& fromGamePath, const std::string& toGamePath) {
  std::string from = ResolvePath(fromGamePath);
  std::string to = ResolvePath(toGamePath);
  if (from.empty() || to.empty()) return false;
  struct stat target;
  if (stat(to.c_str(), &target) == 0) chmod(from.c_str(), target.st_mode & 07777);
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RenameReplacing(const std::string& fromGamePath, const std::string& toGamePath) {
  std::string from = ResolvePath(fromGamePath);
  std::string to = ResolvePath(toGamePath);
  if (from.empty() || to.empty()) return false;
  // A folder cannot be renamed over a file: the older file makes room.
  struct stat target;
  if (lstat(to.c_str(), &target) == 0 && !S_ISDIR(target.st_mode) && unlink(to.c_str()) != 0) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FlushFolderOf(const std::string& gameFilePath) {
  std::string path = ResolvePath(gameFilePath);
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return false;
  bool flushed = fsync(handle) == 0;
  close(handle);
  return flushed;
}

bool RemoveFile(const std::string& gamePath) {
  std::string path = ResolvePath(gamePath);
  return !path.empty() && unlink(path.c_str()) == 0;
}

bool MakeFolder(const std::string& gamePath) {
  std::string path = ResolvePath(gamePath);
  return !path.empty() && mkdir(path.c_str(), 0755) == 0;
}

bool MakeFolders(const std::string& gamePath) {
  std::string path = ResolvePath(gamePath);
  if (path.empty()) return false;
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    std::string partial = path.substr(0, slash);
    if (!partial.empty() && mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

}  // namespace platform
