#include "pel3d/files/CmapDirectory.h"

#include <cstring>

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceByteSource.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/ByteOrder.h"

namespace {

struct CmapDirectoryState {
  bool loaded = false;
  ColourMapRecord* records = nullptr;
  uint32_t count = 0;
};

CmapDirectoryState gCmap;

// Reads the chunk's head and its table; the state is set only when all of it was read.
int ReadCmapTable(const ChunkEntry& chunk) {
  ResourceByteSource source(chunk.offset, 0);
  const uint8_t* head = source.Take(kChunkHeadSize);
  if (!head) return 0;
  if (platform::ReadLE32(head) != kCmapTag) return EngineFail(kErrorBadTag, "the CMAP chunk's own tag", chunk.offset);
  const uint8_t* countField = source.Take(4);
  if (!countField) return 0;
  uint32_t count = platform::ReadLE32(countField);
  if (!source.Holds(count, kColourMapRecordSize))
    return EngineFail(kErrorBadContent, "the CMAP table passes the file's end", chunk.offset + kChunkHeadSize);
  auto* records = ArenaNewArray<ColourMapRecord>(GetDirectoryArena(), count);
  if (!records) return EngineFail(kErrorOutOfMemory, "no memory for the CMAP table");
  const uint8_t* table = source.Take(count * kColourMapRecordSize);
  if (!table) return 0;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* bytes = table + i * kColourMapRecordSize;
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
  if (!chunk) return EngineFail(kErrorNoChunk, "the file has no CMAP chunk");
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
