#pragma once
#include "support/TempFolder.h"

// Keeps what the game reads and writes inside a temporary folder: written files go to
// "<temp>/xdg/halvorine", and the data set is "<temp>/data".
class IsolatedFiles {
public:
  IsolatedFiles()
      : mWrite("HALVORINE_WRITE", nullptr),
        mXdg("XDG_DATA_HOME", folder.System("xdg").c_str()),
        mData("HALVORINE_DATA", folder.System("data").c_str()) {}

  TempFolder folder;

private:
  ScopedEnvironment mWrite;
  ScopedEnvironment mXdg;
  ScopedEnvironment mData;
};
