#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ResultCodes.h"

// RIFF files (such as WAVE sounds) read chunk by chunk, from a file of the game's paths or
// from memory: a chunk is found by its id inside a parent and descended into, read, and
// ascended out of. A chunk's size never reaches past its parent or the end of the file: a
// chunk that claims more is cut to what is there. Odd-sized chunks are followed by a pad byte.
namespace platform {

// A chunk id as it stands in the file: the first character in the lowest byte.
constexpr uint32_t RiffId(const char (&text)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}

// A chunk found by Descend. For "RIFF" and "LIST" chunks the form type is the first four
// bytes of the data, and the data offset points at it.
struct RiffChunk {
  uint32_t id = 0;
  uint32_t size = 0;
  uint32_t formType = 0;
  uint32_t dataOffset = 0;
  uint32_t flags = 0;
};

enum RiffDescendFlags : uint32_t {
  // Search from the current position for a chunk with the given id.
  kRiffFindChunk = 0x10,
  // Search for a "RIFF" or a "LIST" chunk with the given form type.
  kRiffFindRiff = 0x20,
  kRiffFindList = 0x40,
};

class RiffSource;

class RiffFile {
public:
  // Null when the file cannot be opened for reading.
  static std::unique_ptr<RiffFile> Open(const std::string& gamePath);
  // Reads bytes the caller keeps alive as long as the object.
  static std::unique_ptr<RiffFile> FromMemory(const uint8_t* data, size_t size);
  ~RiffFile();
  RiffFile(const RiffFile&) = delete;
  RiffFile& operator=(const RiffFile&) = delete;

  // Without a find flag, takes the chunk at the current position; with one, searches from
  // there for the chunk (id or form type given in `chunk`), stepping over the others. The
  // search stays inside `parent`, or inside the file when it is null. Afterwards the
  // position is the start of the chunk's data (past the form type of a "RIFF" or "LIST").
  // kRiffChunkNotFound when no such chunk fits (or the position lies before the parent's
  // data); `chunk` is then unchanged.
  ResultCode Descend(RiffChunk& chunk, const RiffChunk* parent, uint32_t flags);
  // Moves past the end of the chunk and its pad byte.
  ResultCode Ascend(const RiffChunk& chunk);
  // Bytes read from the current position (fewer at the end of the file), or -1.
  int64_t Read(void* buffer, uint32_t size);
  // origin 0 from the start, 1 from the current position, 2 from the end; the new position,
  // or -1 before the start.
  int64_t Seek(int64_t offset, int origin);
  uint32_t Size() const { return mSize; }

private:
  explicit RiffFile(std::unique_ptr<RiffSource> source);
  bool ReadAt(uint64_t position, uint8_t* bytes, uint32_t size);

  std::unique_ptr<RiffSource> mSource;
  uint32_t mSize = 0;
};

}  // namespace platform
