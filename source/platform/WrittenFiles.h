#pragma once
#include <string>

// The folder of the files the program writes (debug log, preferences, key bindings, saved
// games, screenshots). It is never the program's folder, so a build tree or an installed
// copy can be deleted or replaced without losing what the player made.
namespace platform {

// The folder named by HALVORINE_WRITE, else "$XDG_DATA_HOME\halvorine\" (or
// "$HOME\.local\share\halvorine\"), in the game's form with a trailing backslash; empty
// when none of these variables names an absolute folder.
std::string WrittenFilesFolder();

// Called when creating a file fails because its folder is missing: the written-files
// folder is created on the first write into it. True when the folder of the file (system
// path) was that folder and now exists.
bool CreateUserDataFolderFor(const std::string& systemFilePath);

}  // namespace platform
