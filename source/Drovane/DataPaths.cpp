#include "Drovane/DataPaths.h"

#include <cstring>

#include "Drovane/BinaryFile.h"
#include "Drovane/DebugLog.h"
#include "Drovane/DirectoryScan.h"
#include "platform/FilePath.h"
#include "platform/WrittenFiles.h"

DataPaths gDataPaths;

namespace {

std::string WithTrailingBackslash(std::string root) {
  if (!root.empty() && root.back() != '\\') root += '\\';
  return root;
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
  mWrittenRoot = platform::WrittenFilesFolder(mRootA);
}

std::string DataPaths::FormPath(int32_t kind, const std::string& name) const {
  if (kind == kDataRadio) {
    const std::string& folder = mFolders[kDataRadio];
    return (PathExists(mRootA + folder + "*.*") ? mRootA : mRootB) + folder;
  }
  if (!LooksInBothRoots(kind)) return mWrittenRoot + name;
  const std::string& folder = mFolders[static_cast<size_t>(kind)];
  std::string path = mRootA + folder + name;
  if (path.size() < platform::kMaxPath && BinaryFile().Exists(path.c_str())) return path;
  return mRootB + folder + name;
}

int DataPaths::GetPath(int32_t kind, uint32_t language, const char* name, char* out) const {
  std::string path;
  int result = GetPathString(kind, language, name ? name : "", path);
  std::memcpy(out, path.c_str(), path.size() + 1);
  return result;
}

int DataPaths::GetPathString(int32_t kind, uint32_t, const std::string& name, std::string& out) const {
  std::string path = FormPath(kind, name);
  if (path.size() >= platform::kMaxPath) {
    DebugPrintf("GetDataPath: path too long for kind %d: %.60s...\n", kind, name.c_str());
    out.clear();
    return 0;
  }
  out = path;
  return 1;
}

int GetDataPath(int32_t kind, uint32_t language, const char* name, char* out) {
  return gDataPaths.GetPath(kind, language, name, out);
}
