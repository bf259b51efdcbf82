#include "platform/RiffFile.h"

#include <algorithm>
#include <cstring>

#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"

namespace platform {

// Where the bytes come from: a file or memory.
class RiffSource {
public:
  virtual ~RiffSource() = default;
  virtual uint64_t Size() const = 0;
  virtual int64_t Read(void* buffer, uint32_t size) = 0;
  virtual int64_t Seek(int64_t offset, int origin) = 0;
};

namespace {

constexpr uint32_t kRiff = RiffId("RIFF");
constexpr uint32_t kList = RiffId("LIST");
constexpr uint32_t kHeaderSize = 8;
constexpr uint32_t kFormTypeSize = 4;

class FileSource : public RiffSource {
public:
  explicit FileSource(int handle) : mHandle(handle) {}
  ~FileSource() override { CloseFile(mHandle); }
  uint64_t Size() const override { return static_cast<uint64_t>(std::max<int64_t>(FileLength(mHandle), 0)); }
  int64_t Read(void* buffer, uint32_t size) override { return ReadFile(mHandle, buffer, size); }
  int64_t Seek(int64_t offset, int origin) override { return SeekFile(mHandle, offset, origin); }

private:
  int mHandle;
};

class MemorySource : public RiffSource {
public:
  MemorySource(const uint8_t* data, size_t size) : mData(data), mSize(size) {}
  uint64_t Size() const override { return mSize; }
  int64_t Read(void* buffer, uint32_t size) override {
    if (mPosition >= mSize) return 0;
    size_t count = std::min<size_t>(size, mSize - mPosition);
    std::memcpy(buffer, mData + mPosition, count);
    mPosition += count;
    return static_cast<int64_t>(count);
  }
  int64_t Seek(int64_t offset, int origin) override {
    int64_t base = origin == 0 ? 0 : origin == 1 ? static_cast<int64_t>(mPosition) : static_cast<int64_t>(mSize);
    if (offset < -base || offset > INT64_MAX - base) return -1;
    mPosition = static_cast<size_t>(base + offset);
    return static_cast<int64_t>(mPosition);
  }

private:
  const uint8_t* mData;
  size_t mSize;
  size_t mPosition = 0;
};

bool IsContainer(uint32_t id) { return id == kRiff || id == kList; }

}  // namespace

std::unique_ptr<RiffFile> RiffFile::Open(const std::string& gamePath) {
  int handle = OpenFile(gamePath, kFileRead);
  if (handle < 0) return nullptr;
  return std::unique_ptr<RiffFile>(new RiffFile(std::make_unique<FileSource>(handle)));
}

std::unique_ptr<RiffFile> RiffFile::FromMemory(const uint8_t* data, size_t size) {
  return std::unique_ptr<RiffFile>(new RiffFile(std::make_unique<MemorySource>(data, size)));
}

// Chunk offsets are 32-bit: a larger file is read as far as they reach.
RiffFile::RiffFile(std::unique_ptr<RiffSource> source)
    : mSource(std::move(source)), mSize(static_cast<uint32_t>(std::min<uint64_t>(mSource->Size(), UINT32_MAX))) {}

RiffFile::~RiffFile() = default;

bool RiffFile::ReadAt(uint64_t position, uint8_t* bytes, uint32_t size) {
  return mSource->Seek(static_cast<int64_t>(position), 0) >= 0 && mSource->Read(bytes, size) == size;
}

ResultCode RiffFile::Descend(RiffChunk& chunk, const RiffChunk* parent, uint32_t flags) {
  uint64_t limit = mSize;
  if (parent) limit = std::min<uint64_t>(limit, static_cast<uint64_t>(parent->dataOffset) + parent->size);
  uint32_t wantedId = flags & kRiffFindRiff ? kRiff : flags & kRiffFindList ? kList : chunk.id;
  bool search = (flags & (kRiffFindChunk | kRiffFindRiff | kRiffFindList)) != 0;
  bool matchForm = (flags & (kRiffFindRiff | kRiffFindList)) != 0;

  int64_t start = mSource->Seek(0, 1);
  if (start < 0) return kRiffCannotSeek;
  if (parent && static_cast<uint64_t>(start) < parent->dataOffset) return kRiffChunkNotFound;
  for (uint64_t at = static_cast<uint64_t>(start); at + kHeaderSize <= limit;) {
    uint8_t header[kHeaderSize + kFormTypeSize];
    if (!ReadAt(at, header, kHeaderSize)) return kRiffCannotRead;
    uint32_t id = ReadLE32(header);
    uint32_t size = ReadLE32(header + 4);
    uint64_t dataOffset = at + kHeaderSize;
    bool container = IsContainer(id);
    if (container && (size < kFormTypeSize || dataOffset + kFormTypeSize > limit)) return kRiffChunkNotFound;
    uint32_t formType = 0;
    if (container) {
      if (!ReadAt(dataOffset, header + kHeaderSize, kFormTypeSize)) return kRiffCannotRead;
      formType = ReadLE32(header + kHeaderSize);
    }
    if (!search || (id == wantedId && (!matchForm || formType == chunk.formType))) {
      chunk = {id, static_cast<uint32_t>(std::min<uint64_t>(size, limit - dataOffset)), formType,
               static_cast<uint32_t>(dataOffset), 0};
      if (mSource->Seek(static_cast<int64_t>(dataOffset + (container ? kFormTypeSize : 0)), 0) < 0)
        return kRiffCannotSeek;
      return kResultOk;
    }
    at = dataOffset + size + (size & 1);
  }
  return kRiffChunkNotFound;
}

ResultCode RiffFile::Ascend(const RiffChunk& chunk) {
  uint64_t end = static_cast<uint64_t>(chunk.dataOffset) + chunk.size + (chunk.size & 1);
  return mSource->Seek(static_cast<int64_t>(end), 0) < 0 ? kRiffCannotSeek : kResultOk;
}

int64_t RiffFile::Read(void* buffer, uint32_t size) { return mSource->Read(buffer, size); }

int64_t RiffFile::Seek(int64_t offset, int origin) {
  if (origin < 0 || origin > 2) return -1;
  return mSource->Seek(offset, origin);
}

}  // namespace platform
