#pragma once
#include <cstdint>
#include <vector>

#include "X/Y/Memwrap.h"

// Layout of a resource file: a 16-byte header at 0 (data offset, map offset, data length,
// map length), the resources' data from kResDataOffset, each a 4-byte length and its bytes,
// and the map: a 28-byte header, the number of types minus 1, the type list, the reference
// lists and the name list. Every number is big-endian.
constexpr uint32_t kResDataOffset = 256;
constexpr uint32_t kResFileLimit = 0x600000;
constexpr uint32_t kResMapHeaderSize = 28;
// Where the map's kept bytes start: after its header and the type count.
constexpr uint32_t kResMapBytesStart = kResMapHeaderSize + 2;
constexpr uint32_t kResTypeEntrySize = 8;
constexpr uint32_t kResReferenceSize = 12;

// A reference entry as the map keeps it, in the machine's order.
struct ResReference {
  int16_t id;
  int16_t nameOffset;  // -1: no name
  uint8_t attributes;
  uint32_t dataOffset;  // from the data offset, to the resource's length word
};

// The resource map of one open stream, shared by every object that opens it. Its bytes (the
// type list onwards) keep the file's layout with each entry turned to the machine's order;
// the handles of loaded resources live beside them, one per reference entry.
struct ResMap {
  ResMap* next = nullptr;
  uint32_t serial = 0;
  int32_t typeCount = 0;
  Handle bytesHandle = nullptr;
  uint8_t* bytes = nullptr;
  uint32_t size = 0;
  uint32_t referenceOffset = 0;
  uint32_t nameListOffset = 0;
  uint32_t dataOffset = kResDataOffset;
  int32_t useCount = 0;
  std::vector<Handle> handles;

  // Checks every count and offset against the map's bytes and every data offset against the
  // file's length, then turns the entries to the machine's order. Returns the broken rule,
  // or null when the map is sound (only then are the bytes converted).
  const char* Build(int64_t fileLength);

  uint32_t Type(int32_t index) const;
  int32_t Count(int32_t index) const;
  // The index of the type's first reference entry.
  int32_t FirstReference(int32_t index) const;
  // The type's index in the type list, -1 when absent.
  int32_t FindType(uint32_t type) const;
  ResReference Reference(int32_t index) const;
  // The index of the reference entry that holds the handle, -1 when none does.
  int32_t FindHandle(Handle handle) const;
  // The Pascal name of a reference, an empty one when it has none.
  void Name(int32_t reference, uint8_t* name) const;

  // The global list of maps, newest first.
  static ResMap* First();
  static void Link(ResMap* map);
  static void Unlink(ResMap* map);
  static int32_t Count();
};
