#include "Drovane/RecordFile.h"

#include <algorithm>
#include <cstring>

#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

using platform::ReadLE32;
using platform::WriteLE32;

RecordFile::RecordFile() {
  mCloseOnDestroy = false;
}

RecordFile::RecordFile(const char* name) : BinaryFile(name) {}

RecordFile::~RecordFile() {
  if (IsOpen()) RecordFile::Close();
}

bool RecordFile::ReadAt(int64_t offset, void* buffer, size_t size) {
  bool ok = platform::SeekFile(mHandle, offset, 0) == offset &&
            platform::ReadFile(mHandle, buffer, size) == static_cast<int64_t>(size);
  platform::SeekFile(mHandle, mChunkOffset, 0);
  return ok;
}

bool RecordFile::Write(const void* data, size_t size) {
  if (platform::WriteFile(mHandle, data, size) == static_cast<int64_t>(size)) return true;
  mWriteFailed = true;
  return false;
}

int RecordFile::OpenForRead() {
  if (IsOpen() || !Exists()) return 0;
  if (!Open(nullptr, kModeReadDenyWrite, kPermissionReadWrite, false)) return 0;
  mMode = kReading;
  if (!ReadHeader()) {
    BinaryFile::Close();
    return 0;
  }
  FirstChunk();
  return 1;
}

int RecordFile::OpenForWrite(uint32_t creator, uint32_t fileType, uint32_t typeVersion, int permission) {
  if (IsOpen() || mName.empty()) return 0;
  std::string temporary = platform::TemporarySibling(mName);
  mHandle = platform::OpenFile(temporary,
                               platform::kFileReadWrite | platform::kFileCreate | platform::kFileTruncate,
                               permission);
  if (!IsOpen()) return 0;
  mTemporaryName = temporary;
  mMode = kWriting;
  mWriteFailed = false;
  WriteHeader(creator, fileType, typeVersion);
  FirstChunk();
  return 1;
}

int RecordFile::OpenForAppend() {
  if (IsOpen()) return 0;
  if (!Open(nullptr, kModeReadWrite, kPermissionReadWrite, true)) return 0;
  mMode = kWriting;
  mWriteFailed = false;
  if (!ReadHeader() || mHeader.magic != kMagic) WriteHeader(1, 1, 1);
  platform::SeekFile(mHandle, 0, 2);
  return 1;
}

int RecordFile::Close() {
  if (!IsOpen()) return 0;
  if (mMode == kWriting && !mFinished) FinishWrite();
  if (!mTemporaryName.empty()) return CommitNewFile();
  bool ok = mMode != kWriting || !mWriteFailed;
  return BinaryFile::Close() && ok;
}

int RecordFile::CommitNewFile() {
  int handle = mHandle;
  mHandle = -1;
  std::string temporary = std::move(mTemporaryName);
  mTemporaryName.clear();
  return platform::CommitTemporarySibling(handle, !mWriteFailed, temporary, mName);
}

int32_t RecordFile::GetChunkDataSize() const {
  return HasChunk() ? mChunkLength - kChunkHeaderSize : 0;
}

int RecordFile::IsComplete() {
  if (!IsOpen() && !OpenForRead()) return 0;
  return platform::FileLength(mHandle) == static_cast<int64_t>(mHeader.fileLength);
}

int RecordFile::ReadHeader() {
  if (!IsOpen()) return 0;
  uint8_t bytes[kHeaderSize];
  bool ok = platform::SeekFile(mHandle, 0, 0) == 0 &&
            platform::ReadFile(mHandle, bytes, sizeof bytes) == kHeaderSize;
  if (!ok) return 0;
  mHeader.magic = ReadLE32(bytes);
  mHeader.formatVersion = ReadLE32(bytes + 4);
  mHeader.creator = ReadLE32(bytes + 8);
  mHeader.fileType = ReadLE32(bytes + 12);
  mHeader.typeVersion = ReadLE32(bytes + 16);
  mHeader.fileLength = ReadLE32(bytes + 20);
  mHeader.reserved = ReadLE32(bytes + 24);
  return 1;
}

int RecordFile::ReadChunkHeader() {
  mChunkTag = 0;
  mChunkLength = 0;
  if (!CanWalk()) return 0;
  int64_t left = platform::FileLength(mHandle) - mChunkOffset;
  if (left <= 0) return 0;  // the normal end of the chunks
  if (left < kChunkHeaderSize) {
    mError = true;  // a header cut short
    return 0;
  }
  uint8_t bytes[kChunkHeaderSize];
  if (!ReadAt(mChunkOffset, bytes, sizeof bytes)) return 0;
  auto length = static_cast<int32_t>(ReadLE32(bytes + 4));
  if (length < kChunkHeaderSize || length > left) {
    mError = true;
    return 0;
  }
  mChunkTag = ReadLE32(bytes);
  mChunkLength = length;
  return 1;
}

namespace {

template <typename Field>
uint32_t ReadHeaderField(RecordFile& file, const RecordFileHeader& header, Field field) {
  if (file.IsOpen()) return header.*field;
  if (!file.OpenForRead()) return 0;
  uint32_t value = header.*field;
  file.Close();
  return value;
}

}  // namespace

uint32_t RecordFile::GetCreator() {
  return ReadHeaderField(*this, mHeader, &RecordFileHeader::creator);
}

uint32_t RecordFile::GetFileType() {
  return ReadHeaderField(*this, mHeader, &RecordFileHeader::fileType);
}

uint32_t RecordFile::GetTypeVersion() {
  return ReadHeaderField(*this, mHeader, &RecordFileHeader::typeVersion);
}

int RecordFile::ReadChunkRecord(void* record, size_t size) {
  if (size < kChunkHeaderSize || !record || !CanWalk() || !HasChunk()) return 0;
  auto* bytes = static_cast<uint8_t*>(record);
  std::memcpy(bytes, &mChunkTag, sizeof mChunkTag);
  std::memcpy(bytes + 4, &mChunkLength, sizeof mChunkLength);
  size_t n = std::min(size - kChunkHeaderSize, static_cast<size_t>(GetChunkDataSize()));
  return n == 0 || ReadAt(mChunkOffset + kChunkHeaderSize, bytes + kChunkHeaderSize, n);
}

int RecordFile::ReadChunkData(void* buffer, size_t size) {
  if (!buffer || !CanWalk() || !HasChunk()) return 0;
  size_t n = std::min(size, static_cast<size_t>(GetChunkDataSize()));
  return n > 0 && ReadAt(mChunkOffset + kChunkHeaderSize, buffer, n);
}

int RecordFile::FirstChunk() {
  if (!CanWalk()) return 0;
  mChunkOffset = kHeaderSize;
  mChunkIndex = 0;
  platform::SeekFile(mHandle, mChunkOffset, 0);
  ReadChunkHeader();
  return 1;
}

int RecordFile::NextChunk() {
  if (!CanWalk()) return 0;
  int64_t old = mChunkOffset;
  if (!HasChunk()) return 0;
  int64_t next = old + mChunkLength;
  if (platform::SeekFile(mHandle, next, 0) != next) {
    platform::SeekFile(mHandle, old, 0);
    return 0;
  }
  mChunkOffset = next;
  if (ReadChunkHeader()) {
    ++mChunkIndex;
    return 1;
  }
  // The chunk offset stays past the end, so a further step fails the same way.
  platform::SeekFile(mHandle, old, 0);
  return 0;
}

uint32_t RecordFile::PreviousChunk() {
  GoToChunk(mChunkIndex > 0 ? mChunkIndex - 1 : 0);
  return mChunkIndex;
}

int RecordFile::GoToChunk(uint32_t n) {
  if (!FirstChunk()) return 0;
  for (uint32_t i = 0; i < n; ++i) NextChunk();
  return 1;
}

int RecordFile::FindChunk(uint32_t tag) {
  if (!FirstChunk()) return 0;
  if (HasChunk() && mChunkTag == tag) return 1;
  return FindNextChunk(tag);
}

int RecordFile::FindNextChunk(uint32_t tag) {
  while (NextChunk())
    if (mChunkTag == tag) return 1;
  return 0;
}

uint32_t RecordFile::CountChunks() {
  bool opened = false;
  if (!IsOpen()) {
    if (!OpenForRead()) return 0;
    opened = true;
  }
  uint32_t count = 0;
  if (FirstChunk() && HasChunk()) {
    for (count = 1; NextChunk();) ++count;
    FirstChunk();
  }
  if (opened) Close();
  return count;
}

int RecordFile::WriteChunkRecord(void* record, size_t dataSize) {
  if (mMode != kWriting || !IsOpen() || !record || dataSize > kMaxChunkData) return 0;
  auto* bytes = static_cast<uint8_t*>(record);
  auto length = static_cast<int32_t>(dataSize + kChunkHeaderSize);
  std::memcpy(bytes + 4, &length, sizeof length);
  uint32_t tag;
  std::memcpy(&tag, bytes, sizeof tag);
  return WriteChunk(tag, bytes + kChunkHeaderSize, dataSize);
}

int RecordFile::WriteChunk(uint32_t tag, const void* data, size_t size) {
  if (mMode != kWriting || !IsOpen() || size > kMaxChunkData || (size > 0 && !data)) return 0;
  mFinished = false;
  uint8_t header[kChunkHeaderSize];
  WriteLE32(header, tag);
  WriteLE32(header + 4, static_cast<uint32_t>(size + kChunkHeaderSize));
  return Write(header, sizeof header) && Write(data, size);
}

int RecordFile::WriteHeader(uint32_t creator, uint32_t fileType, uint32_t typeVersion) {
  if (mMode != kWriting || !IsOpen()) return 0;
  mHeader = {kMagic, kFormatVersion, creator, fileType, typeVersion, kHeaderSize, 1};
  mFinished = false;
  uint8_t bytes[kHeaderSize];
  const uint32_t fields[] = {mHeader.magic,       mHeader.formatVersion, mHeader.creator,
                             mHeader.fileType,    mHeader.typeVersion,   mHeader.fileLength,
                             mHeader.reserved};
  for (size_t i = 0; i < 7; ++i) WriteLE32(bytes + 4 * i, fields[i]);
  if (platform::SeekFile(mHandle, 0, 0) != 0) {
    mWriteFailed = true;
    return 0;
  }
  return Write(bytes, sizeof bytes);
}

int RecordFile::FinishWrite() {
  if (mMode != kWriting || !IsOpen()) return 0;
  int64_t end = platform::SeekFile(mHandle, 0, 1);
  bool ok = end >= kHeaderSize && end <= 0xFFFFFFFF && platform::TruncateFile(mHandle, end);
  if (ok) {
    uint8_t length[4];
    WriteLE32(length, static_cast<uint32_t>(end));
    ok = platform::SeekFile(mHandle, 20, 0) == 20 && Write(length, sizeof length);
  }
  mFinished = true;
  platform::SeekFile(mHandle, 0, 2);
  if (!ok) mWriteFailed = true;
  return ok;
}

int ReadTaggedChunk(RecordFile& file, uint32_t tag, void* buffer, size_t size) {
  file.FirstChunk();
  if (!file.FindNextChunk(tag)) return 0;
  return file.ReadChunkData(buffer, size);
}

int ReadNextTaggedChunk(RecordFile& file, uint32_t tag, void* buffer, size_t size) {
  if (!file.FindNextChunk(tag)) return 0;
  return file.ReadChunkData(buffer, size);
}

int WriteTaggedChunk(RecordFile& file, uint32_t tag, const void* data, size_t size) {
  return file.WriteChunk(tag, data, size);
}
