#include "pel3d/files/CmapDirectory.h"

#include <cstring>

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/ByteOrder.h"

namespace {

struct CmapDirectoryState {
  bool loaded = false;
  ColourMapRecord* records = nullptr;
  uint32_t count = 0;
};

CmapDirectoryState gCmap;

int Fail(int32_t code) {
  SetLastResourceError(code);
  return 0;
}

// Reads the chunk's head and its table; the state is set only when all of it was read.
int ReadCmapTable(const ChunkEntry& chunk) {
  if (!SeekResourceFile(chunk.offset)) return 0;
  uint8_t head[kChunkHeadSize + 4];
  if (!ReadResourceBytes(head, kChunkHeadSize)) return 0;
  if (platform::ReadLE32(head) != kCmapTag) return Fail(kErrorBadTag);
  if (!ReadResourceBytes(head + kChunkHeadSize, 4)) return 0;
  uint32_t count = platform::ReadLE32(head + kChunkHeadSize);
  uint64_t tableOffset = uint64_t{chunk.offset} + sizeof head;
  if (!ResourceBytesExist(tableOffset, uint64_t{count} * kColourMapRecordSize))
    return Fail(kErrorShortRead);
  auto* records = ArenaNewArray<ColourMapRecord>(GetDirectoryArena(), count);
  if (!records) return Fail(kErrorOutOfMemory);
  for (uint32_t i = 0; i < count; ++i) {
    uint8_t bytes[kColourMapRecordSize];
    if (!ReadResourceBytes(bytes, sizeof bytes)) return 0;
    std::memcpy(records[i].name, bytes, kGroupNameSize);
    records[i].offset = platform::ReadLE32(bytes + kGroupNameSize);
  }
  gCmap = {true, records, count};
  return 1;
}

}  // namespace

int ReadCmapDirectory(const std::string& path) {
  if (!ReadChunkDirectory(path)) return 0;
  if (gCmap.loaded) return 1;
  const ChunkEntry* chunk = FindChunk(kCmapTag);
  if (!chunk) return Fail(kErrorNoChunk);
  return ReadCmapTable(*chunk);
}

void ForgetCmapDirectory() { gCmap = CmapDirectoryState{}; }

uint32_t GetColourMapRecordCount() { return gCmap.count; }

const ColourMapRecord* GetColourMapRecord(uint32_t index) {
  return index < gCmap.count ? &gCmap.records[index] : nullptr;
}

const ColourMapRecord* FindColourMapRecord(const std::string& name) {
  for (uint32_t i = 0; i < gCmap.count; ++i)
    if (GroupNameEquals(gCmap.records[i].name, name)) return &gCmap.records[i];
  return nullptr;
}
