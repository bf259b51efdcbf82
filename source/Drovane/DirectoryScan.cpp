#include "Drovane/DirectoryScan.h"

#include <algorithm>

#include "platform/DirectoryListing.h"
#include "platform/FileHandle.h"

void DirectoryEntry::GetFullPath(std::string& out) const {
  out = mOwner ? mOwner->GetPath() + mName : mName;
}

void DirectoryEntry::GetExtension(std::string& out) const {
  size_t dot = mName.rfind('.');
  out = dot == std::string::npos ? std::string() : mName.substr(dot + 1);
}

void DirectoryEntry::StripExtension(std::string& out) const {
  size_t dot = mName.rfind('.');
  out = dot == std::string::npos ? mName : mName.substr(0, dot);
}

bool DirectoryEntry::Create() const {
  std::string path;
  GetFullPath(path);
  if (mKind == kFolder) return platform::MakeFolder(path);
  if (mKind != kFile) return false;
  int handle = platform::OpenFile(path, platform::kFileRead | platform::kFileCreate |
                                            platform::kFileExclusive);
  if (handle < 0) return false;
  platform::CloseFile(handle);
  return true;
}

DirectoryScan::DirectoryScan(const std::string& path, bool scanNow, bool includeParent,
                             bool includeSelf)
    : mPath(path), mIncludeParent(includeParent), mIncludeSelf(includeSelf) {
  NormalizePath();
  if (scanNow) Scan();
}

void DirectoryScan::NormalizePath() {
  if (!mPath.empty() && mPath.back() != '\\' && mPath.back() != '/') mPath += '\\';
}

int DirectoryScan::Scan() {
  mEntries.clear();
  std::vector<platform::FoundFile> found;
  if (!platform::FindFiles(mPath + mPattern, found)) return 0;
  for (const platform::FoundFile& file : found) {
    if (file.isFolder && file.name == "." && !mIncludeSelf) continue;
    if (file.isFolder && file.name == ".." && !mIncludeParent) continue;
    mEntries.emplace_back(this, file.name, file.isFolder ? DirectoryEntry::kFolder : DirectoryEntry::kFile);
  }
  // Some folders list neither "." nor ".."; a full listing still shows them when asked.
  if (mPattern == "*.*") {
    if (mIncludeParent && !Contains("..")) mEntries.emplace_back(this, "..", DirectoryEntry::kFolder);
    if (mIncludeSelf && !Contains(".")) mEntries.emplace_back(this, ".", DirectoryEntry::kFolder);
  }
  return 1;
}

void DirectoryScan::SetPath(const std::string& path, bool rescan) {
  mPath = path;
  NormalizePath();
  if (rescan) Scan();
}

void DirectoryScan::SetPattern(const std::string& pattern, bool rescan) {
  mPattern = pattern;
  if (rescan) Scan();
}

const DirectoryEntry* DirectoryScan::GetFile(size_t n) const {
  return n < mEntries.size() ? &mEntries[n] : nullptr;
}

bool DirectoryScan::Contains(const std::string& name) const {
  return std::any_of(mEntries.begin(), mEntries.end(),
                     [&](const DirectoryEntry& entry) { return entry.GetName() == name; });
}

void DirectoryScan::FindFilesByKind(std::vector<std::string>& names, uint32_t mask) const {
  std::vector<platform::FoundFile> found;
  platform::FindFiles(mPath + mPattern, found);
  for (const platform::FoundFile& file : found) {
    bool wanted = file.name == "."    ? (mask & kWithSelf) != 0
                  : file.name == ".." ? (mask & kWithParent) != 0
                  : file.isFolder     ? (mask & kFolders) != 0
                                      : (mask & kFiles) != 0;
    if (wanted) names.push_back(file.name);
  }
}

bool DirectoryScan::MakeEntryInDirectory(const std::string& name, uint32_t kind) const {
  return DirectoryEntry(this, name, kind).Create();
}

bool PathExists(const std::string& path) {
  std::vector<platform::FoundFile> found;
  return platform::FindFiles(path, found);
}

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  if (path.empty()) return;
  // A separator in the last position is not a split point.
  size_t split = path.size() >= 2 ? path.rfind('\\', path.size() - 2) : std::string::npos;
  if (split == std::string::npos && path.size() >= 2) split = path.rfind('/', path.size() - 2);
  if (split == std::string::npos) {
    folder.assign(1, '\\');
    name = path;
    return;
  }
  folder = path.substr(0, split + 1);
  name = path.substr(split + 1);
}

bool MakeDirectoryForPath(const std::string& path) {
  return platform::MakeFolders(path);
}
