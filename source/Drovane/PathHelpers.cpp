#include "Drovane/PathHelpers.h"

#include <algorithm>
#include <cstring>

#include "Drovane/BinaryFile.h"
#include "Drovane/DebugLog.h"
#include "platform/FilePath.h"

namespace {

// Empties a path that does not fit the game's buffers.
bool Fits(std::string& path) {
  if (path.size() < platform::kMaxPath) return true;
  DebugPrintf("Path too long: %.60s...\n", path.c_str());
  path.clear();
  return false;
}

size_t LastSeparator(const std::string& path) {
  return path.find_last_of("\\:");
}

}  // namespace

void AppendBackslash(std::string& path) {
  if (path.empty() || path.back() == '\\') return;
  path += '\\';
  Fits(path);
}

void GetDirectoryPart(const std::string& path, std::string& out) {
  size_t separator = LastSeparator(path);
  out = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
  Fits(out);
}

void GetFileNamePart(const std::string& path, std::string& out) {
  size_t separator = LastSeparator(path);
  out = separator == std::string::npos ? path : path.substr(separator + 1);
  Fits(out);
}

uint16_t IsRootLevelPath(const std::string& path) {
  if (path.empty()) return 0xFFFF;
  // A path that does not fit is refused like an empty one: its folder part cannot be taken.
  if (std::string copy = path; !Fits(copy)) return 0xFFFF;
  std::string directory;
  GetDirectoryPart(path, directory);
  for (size_t i = 0; i < directory.size(); ++i) {
    if (directory[i] != '\\') continue;
    bool leading = i == 0;
    bool afterDrive = i >= 2 && directory[i - 1] == ':';
    if (!leading && !afterDrive) return 0;
  }
  return 1;
}

void ToUpperCopy(const std::string& source, std::string& out) {
  out = source;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  Fits(out);
}

void CutExtension(std::string& path) {
  size_t dot = path.rfind('.');
  if (dot != std::string::npos && dot > 0) path.erase(dot);
}

void ForceExtension(std::string& path, const std::string& extension) {
  std::string name;
  GetFileNamePart(path, name);
  size_t dot = name.rfind('.');
  if (name.empty()) {
    path += "$default." + extension;
  } else if (dot != std::string::npos) {
    if (name.compare(dot + 1, std::string::npos, extension) == 0) return;
    path.erase(path.size() - name.size() + dot + 1);
    path += extension;
  } else {
    path += "." + extension;
  }
  Fits(path);
}

bool FileExists(const std::string& path) {
  BinaryFile file(path.c_str());
  return path.size() < platform::kMaxPath &&
         file.Open(nullptr, BinaryFile::kModeRead, BinaryFile::kPermissionReadWrite, false);
}

void RemovePunctuation(std::string& text) {
  static const char kPunctuation[] = "\\/(){}.:;*?'\",!`[]_";
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char c) { return c != '\0' && std::strchr(kPunctuation, c); }),
             text.end());
}

void RemoveSpaces(std::string& text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
}
