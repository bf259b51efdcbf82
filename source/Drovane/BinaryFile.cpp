#include "Drovane/BinaryFile.h"

#include <cstring>
#include <vector>

#include "Drovane/DebugLog.h"
#include "platform/FileHandle.h"
#include "platform/FilePath.h"

namespace {

// The mode word's bits that the platform's open takes as they are.
constexpr uint16_t kPassedModeBits = 0x3 | 0x8 | 0x200 | 0x400;

}  // namespace

BinaryFile::BinaryFile(const char* name) {
  if (name && NameFits(name)) mName = name;
}

BinaryFile::~BinaryFile() {
  if (mCloseOnDestroy && IsOpen()) BinaryFile::Close();
}

bool BinaryFile::NameFits(const char* name) {
  if (std::strlen(name) < platform::kMaxPath) return true;
  DebugPrintf("File name too long: %.60s...\n", name);
  return false;
}

int BinaryFile::Open(const char* name, uint16_t mode, int permission, bool create) {
  if (IsOpen()) return 1;
  if (name) {
    if (!name[0] || !NameFits(name)) return 0;
    mName = name;
  }
  if (mName.empty()) return 0;
  if (!Exists()) return create ? Create(nullptr, permission) : 0;
  mHandle = platform::OpenFile(mName, mode & kPassedModeBits, permission);
  return IsOpen();
}

int BinaryFile::Create(const char* name, int permission) {
  if (IsOpen()) return 0;
  if (name) {
    if (!name[0] || !NameFits(name)) return 0;
    mName = name;
  }
  if (mName.empty() || Exists()) return 0;
  mHandle = platform::OpenFile(mName,
                               platform::kFileReadWrite | platform::kFileCreate |
                                   platform::kFileTruncate | platform::kFileExclusive,
                               permission);
  return IsOpen();
}

int BinaryFile::Close() {
  if (!IsOpen()) return 0;
  int result = platform::CloseFile(mHandle);
  mHandle = -1;
  return result == 0;
}

int64_t BinaryFile::GetLength() {
  if (IsOpen()) return platform::FileLength(mHandle);
  if (!Open(nullptr, kModeRead, kPermissionReadWrite, false)) return -1;
  int64_t length = platform::FileLength(mHandle);
  Close();
  return length;
}

int BinaryFile::Exists(const char* name) const {
  const std::string path = name ? std::string(name) : mName;
  return !path.empty() && path.size() < platform::kMaxPath && platform::RegularFileExists(path);
}

int BinaryFile::SetName(const char* name) {
  if (IsOpen()) return 0;
  // A name that does not fit leaves none, so a later open fails instead of finding the
  // file named before.
  if (name) mName = NameFits(name) ? name : "";
  return 1;
}

uint32_t FileByteSum(const char* name) {
  BinaryFile file(name);
  if (!file.Open(nullptr, BinaryFile::kModeRead, BinaryFile::kPermissionReadWrite, false)) return 0;
  std::vector<uint8_t> buffer(32000);
  uint32_t sum = 0;
  for (;;) {
    int64_t got = platform::ReadFile(file.GetHandle(), buffer.data(), buffer.size());
    if (got <= 0) break;
    for (int64_t i = 0; i < got; ++i) sum += buffer[static_cast<size_t>(i)];
  }
  return sum;
}
