#include "X/File/FlatFile.h"

#include <cstring>
#include <string>

#include "X/Y/XAssert.h"
#include "platform/BigEndian.h"
#include "platform/FileHandle.h"

namespace {

FlatFile* gFirstFile = nullptr;
uint32_t gSerialCounter = 0;

// A colon anywhere but after a drive letter names a path of another system.
bool HasForeignColon(const uint8_t* name) {
  for (int i = 1; i <= name[0]; ++i)
    if (name[i] == ':' && i != 2) return true;
  return false;
}

}  // namespace

FlatFile::FlatFile() : mNext(gFirstFile) { gFirstFile = this; }

FlatFile::~FlatFile() {
  if (IsOpen()) FlatFile::Close();
  if (!Unlink()) X_ASSERT("could not unlink file");
}

bool FlatFile::Unlink() {
  for (FlatFile** link = &gFirstFile; *link; link = &(*link)->mNext) {
    if (*link != this) continue;
    *link = mNext;
    return true;
  }
  return false;
}

FlatFile* FlatFile::FindOpenFile(const uint8_t* name) {
  for (FlatFile* file = gFirstFile; file; file = file->mNext)
    if (file->IsOpen() && ComparePStr(file->mName, name) == 0) return file;
  return nullptr;
}

int16_t FlatFile::Open(const uint8_t* name) {
  if (IsOpen()) return kFileAlreadyOpen;
  uint8_t copy[kPStrBufferSize];
  std::memcpy(copy, name, name[0] + 1);
  if (FlatFile* other = FindOpenFile(copy)) {
    mStream = other->mStream;
    mSerial = other->mSerial;
    std::memcpy(mName, copy, sizeof copy);
    return 0;
  }
  if (HasForeignColon(copy)) X_ASSERT("mac path");
  mStream = platform::OpenFile(PStrText(copy), platform::kFileRead);
  if (mStream < 0) {
    mName[0] = 0;
    mSerial = 0;
    return kFileIoError;
  }
  mSerial = ++gSerialCounter;
  std::memcpy(mName, copy, sizeof copy);
  return 0;
}

int16_t FlatFile::Open(const char* name) {
  if (std::strlen(name) > kLongestPStr) {
    if (!IsOpen()) mName[0] = 0;
    return IsOpen() ? kFileAlreadyOpen : kFileIoError;
  }
  uint8_t converted[kPStrBufferSize];
  CStrToPStr(name, converted);
  return Open(converted);
}

bool FlatFile::StreamSharedWithOthers() const {
  for (const FlatFile* file = gFirstFile; file; file = file->mNext)
    if (file != this && SameFile(*file)) return true;
  return false;
}

int16_t FlatFile::Close() {
  if (!IsOpen()) X_ASSERT("closing an unopened file");
  if (mStream < 0) return kFileNotOpen;
  if (!StreamSharedWithOthers() && platform::CloseFile(mStream) != 0) return kFileIoError;
  mStream = -1;
  mSerial = 0;
  return 0;
}

int16_t FlatFile::Read(void* buffer, const int32_t& count) {
  if (!IsOpen()) return kFileNotOpen;
  if (count < 0) return kFileShortRead;
  int64_t read = platform::ReadFile(mStream, buffer, static_cast<size_t>(count));
  return read == count ? 0 : kFileShortRead;
}

int16_t FlatFile::Seek(int32_t position) {
  if (!IsOpen()) return kFileNotOpen;
  if (position < 0 || platform::SeekFile(mStream, position, 0) != position) return kFileIoError;
  return 0;
}

int16_t FlatFile::ReadU32(uint32_t& value) {
  uint8_t bytes[4];
  int16_t result = Read(bytes, 4);
  if (result == 0) value = platform::ReadBE32(bytes);
  return result;
}

int16_t FlatFile::ReadU16(uint16_t& value) {
  uint8_t bytes[2];
  int16_t result = Read(bytes, 2);
  if (result == 0) value = platform::ReadBE16(bytes);
  return result;
}

int64_t FlatFile::Length() const {
  if (!IsOpen()) return -1;
  return platform::FileLength(mStream);
}
