#pragma once
#include "platform/WrittenFiles.h"
#include "support/TempFolder.h"

// Keeps what the game reads and writes inside a temporary folder: the program's folder
// counts as not writable, so written files go to "<temp>/xdg/halvorine", and the data set
// is "<temp>/data".
class IsolatedFiles {
public:
  IsolatedFiles()
      : mXdg("XDG_DATA_HOME", folder.System("xdg").c_str()),
        mData("HALVORINE_DATA", folder.System("data").c_str()) {
    platform::SetWritableCheck([](const std::string&) { return false; });
  }
  ~IsolatedFiles() { platform::SetWritableCheck({}); }

  TempFolder folder;

private:
  ScopedEnvironment mXdg;
  ScopedEnvironment mData;
};
