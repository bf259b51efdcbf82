#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pel3d/files/ResourceFileFormat.h"

class ByteWriter;

// 256 entries of red, green, blue.
using ColourMapBytes = std::array<uint8_t, kColourMapSize>;

// Builds an engine resource file (".ZEF"): the chunk directory, other chunks first, then a
// "GEOM" chunk with its named-group and id records and the bytes of their bodies (when it
// has records), then a "CMAP" chunk with its records and colour maps (when it has any).
class ResourceFileWriter {
public:
  // Names are at most 17 bytes (17 leaves no terminating zero); a longer name, or a tag
  // that is not 4 bytes, is refused with false.
  bool AddChunk(const std::string& tag, const std::vector<uint8_t>& bytes);
  bool AddColourMap(const std::string& name, const ColourMapBytes& colours);
  // A named body group: its bodies' bytes, one body after another, and the counts that size
  // its memory block.
  bool AddNamedGroup(const std::string& name, uint32_t bodyCount, const GroupCounts& counts,
                     const std::vector<uint8_t>& bodies);
  void AddIdBody(uint32_t id, const GroupCounts& counts, const std::vector<uint8_t>& body);

  std::vector<uint8_t> Build() const;
  // Writes the file at a game path; false when it cannot be written.
  bool Save(const std::string& gamePath) const;

private:
  struct Chunk {
    std::string tag;
    std::vector<uint8_t> bytes;
  };
  struct NamedGroup {
    std::string name;
    uint32_t bodyCount;
    GroupCounts counts;
    std::vector<uint8_t> bodies;
  };
  struct IdBody {
    uint32_t id;
    GroupCounts counts;
    std::vector<uint8_t> body;
  };
  struct ColourMap {
    std::string name;
    ColourMapBytes colours;
  };

  uint32_t ChunkCount() const;
  void WriteGeom(ByteWriter& out) const;
  void WriteCmap(ByteWriter& out) const;

  std::vector<Chunk> mChunks;
  std::vector<NamedGroup> mGroups;
  std::vector<IdBody> mIdBodies;
  std::vector<ColourMap> mColourMaps;
};
