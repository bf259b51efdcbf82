#include "Drovane/DataPaths.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Drovane/BinaryFile.h"
#include "Drovane/DebugLog.h"
#include "platform/DirectoryListing.h"
#include "platform/FilePath.h"
#include "platform/WrittenFiles.h"

DataPaths gDataPaths;

namespace {

std::string WithTrailingBackslash(std::string root) {
  if (!root.empty() && root.back() != '\\') root += '\\';
  return root;
}

// Whether the folder lists anything besides "." and "..".
bool HasEntries(const std::string& folder) {
  std::vector<platform::FoundFile> found;
  platform::FindFiles(folder + "*.*", found);
  return std::any_of(found.begin(), found.end(),
                     [](const platform::FoundFile& file) { return file.name != "." && file.name != ".."; });
}

bool ExistsWithin(const std::string& path) {
  return path.size() < platform::kMaxPath && BinaryFile().Exists(path.c_str());
}

bool LooksInBothRoots(int32_t kind) {
  switch (kind) {
    case kDataVideo: case kDataSound: case kDataCities: case kDataCareerCities:
    case kDataBitmaps: case kDataGeometry: case kDataFonts: case kDataPeople: case kDataTuning:
      return true;
    default:
      return false;
  }
}

}  // namespace

DataPaths::DataPaths()
    : mFolders{"", "smk\\", "sound\\", "sound\\radio\\", "cities\\", "cities\\career\\", "bmp\\",
               "geo\\", "fonts\\", "", "X\\", "tweak\\"} {}

void DataPaths::SetRoots(const std::string& rootA, const std::string& rootB) {
  mRootA = WithTrailingBackslash(rootA);
  mRootB = WithTrailingBackslash(rootB);
  mWrittenRoot = platform::WrittenFilesFolder();
}

// Files the player made: the written-files folder first, then the program's folder.
std::string DataPaths::WrittenFileToRead(const std::string& name) const {
  std::string written = mWrittenRoot + name;
  if (mWrittenRoot.empty() || ExistsWithin(written)) return written;
  std::string inRootA = mRootA + name;
  return ExistsWithin(inRootA) ? inRootA : written;
}

std::string DataPaths::FormPath(int32_t kind, const std::string& name) const {
  if (kind == kDataRadio) {
    const std::string& folder = mFolders[kDataRadio];
    return (HasEntries(mRootA + folder) ? mRootA : mRootB) + folder;
  }
  if (!LooksInBothRoots(kind)) return WrittenFileToRead(name);
  const std::string& folder = mFolders[static_cast<size_t>(kind)];
  std::string path = mRootA + folder + name;
  if (ExistsWithin(path)) return path;
  return mRootB + folder + name;
}

int DataPaths::GetPath(int32_t kind, uint32_t language, const char* name, char* out) const {
  std::string path;
  int result = GetPathString(kind, language, name ? name : "", path);
  std::memcpy(out, path.c_str(), path.size() + 1);
  return result;
}

int DataPaths::GetPathString(int32_t kind, uint32_t, const std::string& name, std::string& out) const {
  out.clear();
  if (!LooksInBothRoots(kind) && kind != kDataRadio && !HasWrittenRoot()) return 0;
  std::string path = FormPath(kind, name);
  if (path.size() >= platform::kMaxPath) {
    DebugPrintf("GetDataPath: path too long for kind %d: %.60s...\n", kind, name.c_str());
    return 0;
  }
  out = path;
  return 1;
}

int DataPaths::GetWritePathString(const std::string& name, std::string& out) const {
  out.clear();
  if (!HasWrittenRoot()) return 0;
  std::string path = mWrittenRoot + name;
  if (path.size() >= platform::kMaxPath) {
    DebugPrintf("GetDataPath: path too long to write: %.60s...\n", name.c_str());
    return 0;
  }
  out = path;
  return 1;
}

bool DataPaths::HasWrittenRoot() const {
  if (!mWrittenRoot.empty()) return true;
  DebugPrintf("No folder for written files: set HOME, XDG_DATA_HOME or HALVORINE_WRITE.\n");
  return false;
}

int GetDataPath(int32_t kind, uint32_t language, const char* name, char* out) {
  return gDataPaths.GetPath(kind, language, name, out);
}
