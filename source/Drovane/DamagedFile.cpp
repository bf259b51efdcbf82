#include "Drovane/DamagedFile.h"

#include "Drovane/DebugLog.h"
#include "platform/FileHandle.h"

std::string DamagedFileName(const std::string& path) {
  return path + ".damaged";
}

bool KeepDamagedFileAside(const std::string& path) {
  std::string aside = DamagedFileName(path);
  if (platform::RenameReplacing(path, aside)) {
    DebugPrintf("Kept the unreadable %s as %s\n", path.c_str(), aside.c_str());
    return true;
  }
  DebugPrintf("Could not keep the unreadable %s aside as %s: it is left alone\n", path.c_str(), aside.c_str());
  return false;
}
