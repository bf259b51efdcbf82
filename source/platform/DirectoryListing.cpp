#include "platform/DirectoryListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/FilePath.h"

namespace platform {
namespace {

// Matching with one remembered star: on a mismatch the last star takes one more character.
bool MatchesPlainWildcard(const std::string& pattern, const std::string& name) {
  size_t p = 0, n = 0;
  size_t starPattern = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || ToLowerAscii(pattern[p]) == ToLowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starPattern != std::string::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
  if (MatchesPlainWildcard(pattern, name)) return true;
  bool endsWithDotStar = pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0;
  return endsWithDotStar && name.find('.') == std::string::npos &&
         MatchesPlainWildcard(pattern.substr(0, pattern.size() - 2), name);
}

bool FindFiles(const std::string& gamePattern, std::vector<FoundFile>& found) {
  found.clear();
  size_t separator = gamePattern.find_last_of("\\/");
  std::string folderPart = separator == std::string::npos ? "" : gamePattern.substr(0, separator + 1);
  std::string pattern = gamePattern.substr(separator == std::string::npos ? 0 : separator + 1);
  if (pattern.empty()) return false;

  std::string folder = folderPart.empty() ? "." : ResolvePath(folderPart);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (!MatchesWildcard(pattern, name)) continue;
    struct stat info;
    std::string path = folder + (folder.back() == '/' ? "" : "/") + name;
    bool isFolder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    found.push_back({name, isFolder});
  }
  closedir(dir);
  std::sort(found.begin(), found.end(),
            [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
  return !found.empty();
}

}  // namespace platform
