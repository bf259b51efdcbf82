#pragma once
#include <cstdint>
#include <string>
#include <vector>

class DirectoryScan;

// One entry of a folder listing: its name without a path and its kind.
class DirectoryEntry {
public:
  static constexpr uint32_t kFolder = 4;
  static constexpr uint32_t kFile = 8;

  DirectoryEntry() = default;
  DirectoryEntry(const DirectoryScan* owner, std::string name, uint32_t kind)
      : mOwner(owner), mName(std::move(name)), mKind(kind) {}

  // The owner's path and the name; the name alone without an owner.
  void GetFullPath(std::string& out) const;
  // What follows the last '.', empty when there is none.
  void GetExtension(std::string& out) const;
  // The name up to its last '.', the whole name when there is none.
  void StripExtension(std::string& out) const;
  // Creates the folder (kind 4) or an empty file that does not exist yet (kind 8);
  // whether it worked.
  bool Create() const;

  const std::string& GetName() const { return mName; }
  uint32_t GetKind() const { return mKind; }

private:
  const DirectoryScan* mOwner = nullptr;
  std::string mName;
  uint32_t mKind = 0;
};

// A listing of one folder: its entries matching a pattern, "." and ".." only when asked.
class DirectoryScan {
public:
  // FindFilesByKind's mask bits.
  static constexpr uint32_t kWithSelf = 1;
  static constexpr uint32_t kWithParent = 2;
  static constexpr uint32_t kFolders = 4;
  static constexpr uint32_t kFiles = 8;

  explicit DirectoryScan(const std::string& path = "", bool scanNow = false,
                         bool includeParent = false, bool includeSelf = false);
  DirectoryScan(const DirectoryScan&) = delete;
  DirectoryScan& operator=(const DirectoryScan&) = delete;

  // Lists path + pattern again; 0 when nothing is found (also for a missing folder).
  int Scan();
  void SetPath(const std::string& path, bool rescan);
  void SetPattern(const std::string& pattern, bool rescan);
  // Ends a non-empty path with a backslash unless it ends with a separator already.
  void NormalizePath();
  // The n-th entry, or null when n is not below the count.
  const DirectoryEntry* GetFile(size_t n) const;
  // Whether an entry has exactly that name (letter case counts).
  bool Contains(const std::string& name) const;
  // Appends the names of a fresh search that match the mask to the list.
  void FindFilesByKind(std::vector<std::string>& names, uint32_t mask) const;
  // Creates an entry of that name and kind in this folder.
  bool MakeEntryInDirectory(const std::string& name, uint32_t kind) const;

  const std::string& GetPath() const { return mPath; }
  const std::string& GetPattern() const { return mPattern; }
  size_t GetCount() const { return mEntries.size(); }

private:
  std::vector<DirectoryEntry> mEntries;
  std::string mPath;
  std::string mPattern = "*.*";
  bool mIncludeParent;
  bool mIncludeSelf;
};

// Whether a search for the path (which may hold wildcards) finds anything.
bool PathExists(const std::string& path);
// Splits at the last backslash (or else slash) before the last character: the folder with
// its separator and the name. A path without one gives the folder "\" and the whole path.
void SplitPath(const std::string& path, std::string& folder, std::string& name);
// Creates every missing folder of a path.
bool MakeDirectoryForPath(const std::string& path);
