#include "platform/WrittenFiles.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/FileHandle.h"
#include "platform/FilePath.h"
#include "platform/Process.h"

#ifndef HALVORINE_DEFAULT_DATA_DIR
#define HALVORINE_DEFAULT_DATA_DIR "data"
#endif

namespace platform {
namespace {

WritableCheck gWritableCheck;

bool RealWritableCheck(const std::string& systemFolder) {
  return access(systemFolder.c_str(), W_OK | X_OK) == 0;
}

std::string WithTrailingBackslash(std::string gamePath) {
  if (!gamePath.empty() && gamePath.back() != '\\') gamePath += '\\';
  return gamePath;
}

std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return {};
  return value;
}

}  // namespace

void SetWritableCheck(WritableCheck check) {
  gWritableCheck = std::move(check);
}

bool IsFolderWritable(const std::string& gameFolder) {
  std::string folder = ResolvePath(gameFolder.empty() ? std::string(".") : gameFolder);
  return gWritableCheck ? gWritableCheck(folder) : RealWritableCheck(folder);
}

std::string UserDataFolder() {
  std::string base = AbsoluteVariable("XDG_DATA_HOME");
  if (base.empty()) {
    std::string home = AbsoluteVariable("HOME");
    if (home.empty()) return {};
    base = home + "/.local/share";
  }
  return WithTrailingBackslash(ToGamePath(base + "/halvorine"));
}

std::string WrittenFilesFolder(const std::string& programFolder) {
  if (IsFolderWritable(programFolder)) return programFolder;
  std::string userFolder = UserDataFolder();
  return userFolder.empty() ? programFolder : userFolder;
}

std::string SecondDataRoot() {
  const char* chosen = std::getenv("HALVORINE_DATA");
  std::string root = chosen && chosen[0] ? chosen : HALVORINE_DEFAULT_DATA_DIR;
  return WithTrailingBackslash(ToGamePath(root));
}

bool CreateUserDataFolderFor(const std::string& systemFilePath) {
  std::string userFolder = UserDataFolder();
  if (userFolder.empty()) return false;
  std::string folder = ToSystemPath(userFolder);
  size_t slash = systemFilePath.rfind('/');
  if (slash == std::string::npos || systemFilePath.substr(0, slash + 1) != folder) return false;
  return MakeFolders(userFolder);
}

}  // namespace platform
