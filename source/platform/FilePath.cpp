#include "platform/FilePath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

#include "platform/Process.h"

namespace platform {
namespace {

bool NameExists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// The entry of the folder whose name equals the wanted one ignoring case; the first in
// byte order when several do. Empty when none does.
std::string FindNameIgnoringCase(const std::string& folder, const std::string& wanted) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return {};
  std::string best;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || !EqualIgnoringCase(name, wanted)) continue;
    if (best.empty() || std::strcmp(name.c_str(), best.c_str()) < 0) best = name;
  }
  closedir(dir);
  return best;
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> components;
  size_t begin = 0;
  while (begin <= path.size()) {
    size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    if (end > begin) components.push_back(path.substr(begin, end - begin));
    begin = end + 1;
  }
  return components;
}

}  // namespace

char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
  return true;
}

std::string ResolvePath(const std::string& gamePath) {
  std::string exact = ToSystemPath(gamePath);
  if (exact.empty() || NameExists(exact)) return exact;

  std::string resolved = exact.front() == '/' ? "/" : "";
  bool matching = true;
  for (const std::string& component : SplitComponents(exact)) {
    std::string candidate = Join(resolved, component);
    if (matching && component != "." && component != ".." && !NameExists(candidate)) {
      std::string match = FindNameIgnoringCase(resolved, component);
      if (match.empty())
        matching = false;
      else
        candidate = Join(resolved, match);
    }
    resolved = candidate;
  }
  if (exact.back() == '/' && !resolved.empty() && resolved.back() != '/') resolved += '/';
  return resolved;
}

}  // namespace platform
