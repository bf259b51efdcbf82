#include "platform/WrittenFiles.h"

#include <cstdlib>

#include "platform/FileHandle.h"
#include "platform/Process.h"

namespace platform {
namespace {

std::string AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return {};
  return value;
}

std::string AsFolder(const std::string& systemPath) {
  std::string folder = ToGamePath(systemPath);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string WrittenFilesFolder() {
  std::string chosen = AbsoluteVariable("HALVORINE_WRITE");
  if (!chosen.empty()) return AsFolder(chosen);
  std::string base = AbsoluteVariable("XDG_DATA_HOME");
  if (base.empty()) {
    std::string home = AbsoluteVariable("HOME");
    if (home.empty()) return {};
    base = home + "/.local/share";
  }
  return AsFolder(base + "/halvorine");
}

bool CreateUserDataFolderFor(const std::string& systemFilePath) {
  std::string writtenFolder = WrittenFilesFolder();
  if (writtenFolder.empty()) return false;
  std::string folder = ToSystemPath(writtenFolder);
  size_t slash = systemFilePath.rfind('/');
  if (slash == std::string::npos || systemFilePath.substr(0, slash + 1) != folder) return false;
  return MakeFolders(writtenFolder);
}

}  // namespace platform
