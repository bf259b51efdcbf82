#include "pel3d/files/GeomDirectory.h"

#include <cstring>

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceByteSource.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/ByteOrder.h"

namespace {

struct GeomDirectoryState {
  bool loaded = false;  // both tables were read
  NamedGroupRecord* named = nullptr;
  uint32_t namedCount = 0;
  IdRecord* ids = nullptr;
  uint32_t idCount = 0;
};

GeomDirectoryState gGeom;

void ReadCounts(const uint8_t* bytes, GroupCounts& counts) {
  for (uint32_t i = 0; i < kGroupCountCount; ++i) counts.values[i] = platform::ReadLE32(bytes + 4 * i);
}

// Reads a table of count records of recordSize bytes at offset in one piece and fills each
// record from its bytes.
template <class Record, class Fill>
int ReadTable(uint32_t offset, Record* records, uint32_t count, uint32_t recordSize, Fill fill) {
  ResourceByteSource source(offset, uint64_t{count} * recordSize);
  if (!source.Holds(count, recordSize))
    return EngineFail(kErrorBadContent, "a GEOM table passes the file's end", offset);
  const uint8_t* table = source.Take(count * recordSize);
  if (!table) return 0;
  for (uint32_t i = 0; i < count; ++i) fill(table + i * recordSize, records[i]);
  return 1;
}

void FillNamedRecord(const uint8_t* bytes, NamedGroupRecord& record) {
  std::memcpy(record.name, bytes, kGroupNameSize);
  record.bodyOffset = platform::ReadLE32(bytes + 17);
  record.bodyCount = platform::ReadLE32(bytes + 21);
  ReadCounts(bytes + 25, record.counts);
}

void FillIdRecord(const uint8_t* bytes, IdRecord& record) {
  record.id = platform::ReadLE32(bytes);
  record.bodyOffset = platform::ReadLE32(bytes + 4);
  ReadCounts(bytes + 8, record.counts);
}

// Reads the chunk's head and both tables; the state is set only when all of it was read.
int ReadGeomTables(const ChunkEntry& chunk) {
  ResourceByteSource source(chunk.offset, kChunkHeadSize + kGeomFieldsSize);
  const uint8_t* head = source.Take(kChunkHeadSize);
  if (!head) return 0;
  if (platform::ReadLE32(head) != kGeomTag) return EngineFail(kErrorBadTag, "the GEOM chunk's own tag", chunk.offset);
  const uint8_t* fields = source.Take(kGeomFieldsSize);
  if (!fields) return 0;
  uint32_t namedCount = platform::ReadLE32(fields);
  uint32_t idCount = platform::ReadLE32(fields + 4);
  uint32_t namedOffset = platform::ReadLE32(fields + 8);
  uint32_t idOffset = platform::ReadLE32(fields + 12);
  if (!ResourceBytesExist(namedOffset, uint64_t{namedCount} * kNamedGroupRecordSize) ||
      !ResourceBytesExist(idOffset, uint64_t{idCount} * kIdRecordSize))
    return EngineFail(kErrorBadContent, "a GEOM table passes the file's end", chunk.offset + kChunkHeadSize);
  auto* named = ArenaNewArray<NamedGroupRecord>(GetDirectoryArena(), namedCount);
  auto* ids = ArenaNewArray<IdRecord>(GetDirectoryArena(), idCount);
  if (!named || !ids) return EngineFail(kErrorOutOfMemory, "no memory for the GEOM tables");
  if (!ReadTable(namedOffset, named, namedCount, kNamedGroupRecordSize, FillNamedRecord)) return 0;
  if (!ReadTable(idOffset, ids, idCount, kIdRecordSize, FillIdRecord)) return 0;
  gGeom = {true, named, namedCount, ids, idCount};
  return 1;
}

const NamedGroupRecord* FindNamedGroup(const std::string& name) {
  for (uint32_t i = 0; i < gGeom.namedCount; ++i)
    if (GroupNameEquals(gGeom.named[i].name, name)) return &gGeom.named[i];
  return nullptr;
}

const IdRecord* FindIdRecord(uint32_t id) {
  for (uint32_t i = 0; i < gGeom.idCount; ++i)
    if (gGeom.ids[i].id == id) return &gGeom.ids[i];
  return nullptr;
}

int FindLocation(int32_t kind, const std::string& name, uint32_t id, BodyGroupLocation& location) {
  if (kind == kGroupBodies) {
    const NamedGroupRecord* record = FindNamedGroup(name);
    if (!record) return EngineFail(kErrorNoGroup, "no group record of that name");
    location = {record->bodyOffset, record->bodyCount, record->counts};
    return 1;
  }
  const IdRecord* record = FindIdRecord(id);
  if (!record) return EngineFail(kErrorNoBody, "no id record of that id");
  location = {record->bodyOffset, 1, record->counts};
  return 1;
}

}  // namespace

int ReadGeomDirectory(const std::string& path) {
  if (!ReadChunkDirectory(path)) return 0;
  if (gGeom.loaded) return 1;
  const ChunkEntry* chunk = FindChunk(kGeomTag);
  if (!chunk) return EngineFail(kErrorNoChunk, "the file has no GEOM chunk");
  return ReadGeomTables(*chunk);
}

void ForgetGeomDirectory() { gGeom = GeomDirectoryState{}; }

uint32_t GetNamedGroupRecordCount() { return gGeom.namedCount; }

const NamedGroupRecord* GetNamedGroupRecord(uint32_t index) {
  return index < gGeom.namedCount ? &gGeom.named[index] : nullptr;
}

uint32_t GetIdRecordCount() { return gGeom.idCount; }

const IdRecord* GetIdRecord(uint32_t index) {
  return index < gGeom.idCount ? &gGeom.ids[index] : nullptr;
}

int LookUpBodyGroup(const std::string& path, int32_t kind, const std::string& name, uint32_t id,
                    BodyGroupLocation* location) {
  if (!ReadGeomDirectory(path)) return 0;
  BodyGroupLocation found;
  if (!FindLocation(kind, name, id, found)) return 0;
  if (!ResourceBytesExist(found.bodyOffset, uint64_t{found.bodyCount} * kMinimumBodySize))
    return EngineFail(kErrorBadContent, "the group's bodies pass the file's end", found.bodyOffset);
  if (!SeekResourceFile(found.bodyOffset)) return 0;
  *location = found;
  return 1;
}
