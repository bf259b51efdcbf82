#pragma once
#include <string>
#include <vector>

namespace platform {

struct FoundFile {
  std::string name;
  bool isFolder = false;
};

// Lists the entries of a folder that match a pattern: the game path's last component is the
// pattern, the rest the folder (found ignoring case). Entries come in byte order of their
// names, "." and ".." among them when the pattern matches them. False when nothing matches
// (also when the folder is missing).
bool FindFiles(const std::string& gamePattern, std::vector<FoundFile>& found);

// Windows wildcard rules: '*' matches any run of characters, '?' any one character, letter
// case is ignored, and a pattern ending in ".*" also matches names without that dot, so
// "*.*" matches every name.
bool MatchesWildcard(const std::string& pattern, const std::string& name);

}  // namespace platform
