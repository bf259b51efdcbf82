#pragma once
#include <string>

// A file the game could not read (damaged, newer, not a regular file) is never overwritten:
// before anything is saved in its place it is kept aside as "<name>.damaged", replacing an
// older one, and a debug line names both paths. True when the file is out of the way.
bool KeepDamagedFileAside(const std::string& path);

// The name a damaged file is kept under.
std::string DamagedFileName(const std::string& path);
