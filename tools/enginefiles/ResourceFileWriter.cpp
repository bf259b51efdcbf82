#include "enginefiles/ResourceFileWriter.h"

#include "enginefiles/ByteWriter.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

const char kResourceHeader[] = "PEL3DZEF";

// A four-byte tag as the directory holds it: its bytes read little-endian.
uint32_t TagWord(const std::string& tag) {
  uint32_t word = 0;
  for (int i = 3; i >= 0; --i) word = word << 8 | static_cast<uint8_t>(tag[static_cast<size_t>(i)]);
  return word;
}

void WriteCounts(ByteWriter& out, const GroupCounts& counts) {
  for (uint32_t value : counts.values) out.U32(value);
}

// A chunk's tag and the word behind it, which the writer fills with the chunk's length.
size_t WriteChunkHead(ByteWriter& out, const std::string& tag) {
  out.Text(tag, 4);
  size_t lengthField = out.Size();
  out.U32(0);
  return lengthField;
}

void FinishChunk(ByteWriter& out, size_t lengthField) {
  out.PatchU32(lengthField, out.Size() - static_cast<uint32_t>(lengthField - 4));
}

}  // namespace

bool ResourceFileWriter::AddChunk(const std::string& tag, const std::vector<uint8_t>& bytes) {
  if (tag.size() != 4) return false;
  mChunks.push_back({tag, bytes});
  return true;
}

bool ResourceFileWriter::AddColourMap(const std::string& name, const ColourMapBytes& colours) {
  if (name.size() > kGroupNameSize) return false;
  mColourMaps.push_back({name, colours});
  return true;
}

bool ResourceFileWriter::AddNamedGroup(const std::string& name, uint32_t bodyCount, const GroupCounts& counts,
                                       const std::vector<uint8_t>& bodies) {
  if (name.size() > kGroupNameSize) return false;
  mGroups.push_back({name, bodyCount, counts, bodies});
  return true;
}

void ResourceFileWriter::AddIdBody(uint32_t id, const GroupCounts& counts, const std::vector<uint8_t>& body) {
  mIdBodies.push_back({id, counts, body});
}

uint32_t ResourceFileWriter::ChunkCount() const {
  bool hasGeom = !mGroups.empty() || !mIdBodies.empty();
  return static_cast<uint32_t>(mChunks.size()) + (hasGeom ? 1 : 0) + (mColourMaps.empty() ? 0 : 1);
}

// The head with its counts and table offsets, both tables, then the bodies in record order.
void ResourceFileWriter::WriteGeom(ByteWriter& out) const {
  size_t lengthField = WriteChunkHead(out, "GEOM");
  uint32_t namedOffset = out.Size() + kGeomFieldsSize;
  uint32_t idOffset = namedOffset + static_cast<uint32_t>(mGroups.size()) * kNamedGroupRecordSize;
  uint32_t bodyOffset = idOffset + static_cast<uint32_t>(mIdBodies.size()) * kIdRecordSize;
  out.U32(static_cast<uint32_t>(mGroups.size()));
  out.U32(static_cast<uint32_t>(mIdBodies.size()));
  out.U32(namedOffset);
  out.U32(idOffset);
  for (const NamedGroup& group : mGroups) {
    out.Text(group.name, kGroupNameSize);
    out.U32(bodyOffset);
    out.U32(group.bodyCount);
    WriteCounts(out, group.counts);
    bodyOffset += static_cast<uint32_t>(group.bodies.size());
  }
  for (const IdBody& body : mIdBodies) {
    out.U32(body.id);
    out.U32(bodyOffset);
    WriteCounts(out, body.counts);
    bodyOffset += static_cast<uint32_t>(body.body.size());
  }
  for (const NamedGroup& group : mGroups) out.Bytes(group.bodies);
  for (const IdBody& body : mIdBodies) out.Bytes(body.body);
  FinishChunk(out, lengthField);
}

// The head with the record count, the records, then the colour maps in record order.
void ResourceFileWriter::WriteCmap(ByteWriter& out) const {
  size_t lengthField = WriteChunkHead(out, "CMAP");
  out.U32(static_cast<uint32_t>(mColourMaps.size()));
  uint32_t colourMapOffset = out.Size() + static_cast<uint32_t>(mColourMaps.size()) * kColourMapRecordSize;
  for (const ColourMap& map : mColourMaps) {
    out.Text(map.name, kGroupNameSize);
    out.U32(colourMapOffset);
    colourMapOffset += kColourMapSize;
  }
  for (const ColourMap& map : mColourMaps) out.Bytes(map.colours.data(), map.colours.size());
  FinishChunk(out, lengthField);
}

std::vector<uint8_t> ResourceFileWriter::Build() const {
  ByteWriter out;
  out.Text(kResourceHeader, kResourceHeaderSize);
  uint32_t chunkCount = ChunkCount();
  out.U32(chunkCount);
  size_t directory = out.Size();
  for (uint32_t i = 0; i < chunkCount; ++i) {
    out.U32(0);
    out.U32(0);
  }
  // Each chunk's directory entry is filled in once the chunk's offset is known.
  size_t entry = directory;
  auto startChunk = [&](const std::string& tag) {
    out.PatchU32(entry, TagWord(tag));
    out.PatchU32(entry + 4, out.Size());
    entry += kChunkEntrySize;
  };
  for (const Chunk& chunk : mChunks) {
    startChunk(chunk.tag);
    size_t lengthField = WriteChunkHead(out, chunk.tag);
    out.Bytes(chunk.bytes);
    FinishChunk(out, lengthField);
  }
  if (!mGroups.empty() || !mIdBodies.empty()) {
    startChunk("GEOM");
    WriteGeom(out);
  }
  if (!mColourMaps.empty()) {
    startChunk("CMAP");
    WriteCmap(out);
  }
  return out.Result();
}

bool ResourceFileWriter::Save(const std::string& gamePath) const {
  std::vector<uint8_t> bytes = Build();
  return platform::SaveWholeFile(gamePath, bytes.data(), bytes.size(), platform::kPermissionReadableByAll);
}
