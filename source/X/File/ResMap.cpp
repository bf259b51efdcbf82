#include "X/File/ResMap.h"

#include <cstring>

#include "platform/BigEndian.h"

namespace {

ResMap* gFirstMap = nullptr;

template <typename T>
T LoadNative(const uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <typename T>
void StoreNative(uint8_t* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// The first index of a type's reference list, from its 16-bit offset counted from the type
// count field; -1 when the list does not start on an entry of the reference area.
int64_t ListStart(uint32_t offsetFromCount, uint32_t referenceOffset) {
  int64_t start = static_cast<int64_t>(offsetFromCount) - 2 - referenceOffset;
  if (start < 0 || start % kResReferenceSize != 0) return -1;
  return start / kResReferenceSize;
}

}  // namespace

const char* ResMap::Build(int64_t fileLength) {
  referenceOffset = kResTypeEntrySize * static_cast<uint32_t>(typeCount);
  if (referenceOffset > size) return "type list past the end of the map";
  int64_t total = 0;
  for (int32_t t = 0; t < typeCount; ++t) total += platform::ReadBE16(bytes + kResTypeEntrySize * t + 4) + 1;
  int64_t names = referenceOffset + kResReferenceSize * total;
  if (names > size) return "reference lists past the end of the map";
  nameListOffset = static_cast<uint32_t>(names);
  for (int32_t t = 0; t < typeCount; ++t) {
    const uint8_t* entry = bytes + kResTypeEntrySize * t;
    int64_t first = ListStart(platform::ReadBE16(entry + 6), referenceOffset);
    int64_t count = platform::ReadBE16(entry + 4) + 1;
    if (first < 0 || first + count > total) return "reference list outside the reference area";
  }
  for (int64_t r = 0; r < total; ++r) {
    const uint8_t* entry = bytes + referenceOffset + kResReferenceSize * r;
    int16_t nameOffset = static_cast<int16_t>(platform::ReadBE16(entry + 2));
    if (nameOffset < -1) return "bad name offset";
    if (nameOffset >= 0) {
      int64_t at = static_cast<int64_t>(nameListOffset) + nameOffset;
      if (at >= size || at + 1 + bytes[at] > size) return "name past the end of the map";
    }
    if (dataOffset + static_cast<int64_t>(platform::ReadBE24(entry + 5)) + 4 > fileLength)
      return "resource data offset past the end of the file";
  }
  for (int32_t t = 0; t < typeCount; ++t) {
    uint8_t* entry = bytes + kResTypeEntrySize * t;
    StoreNative(entry, platform::ReadBE32(entry));
    StoreNative(entry + 4, platform::ReadBE16(entry + 4));
    StoreNative(entry + 6, platform::ReadBE16(entry + 6));
  }
  for (int64_t r = 0; r < total; ++r) {
    uint8_t* entry = bytes + referenceOffset + kResReferenceSize * r;
    uint32_t attributesAndOffset = entry[4] | platform::ReadBE24(entry + 5) << 8;
    StoreNative(entry, platform::ReadBE16(entry));
    StoreNative(entry + 2, platform::ReadBE16(entry + 2));
    StoreNative(entry + 4, attributesAndOffset);
    StoreNative(entry + 8, uint32_t{0});
  }
  handles.assign(static_cast<size_t>(total), nullptr);
  return nullptr;
}

uint32_t ResMap::Type(int32_t index) const { return LoadNative<uint32_t>(bytes + kResTypeEntrySize * index); }

int32_t ResMap::Count(int32_t index) const {
  return LoadNative<uint16_t>(bytes + kResTypeEntrySize * index + 4) + 1;
}

int32_t ResMap::FirstReference(int32_t index) const {
  uint16_t offset = LoadNative<uint16_t>(bytes + kResTypeEntrySize * index + 6);
  return static_cast<int32_t>(ListStart(offset, referenceOffset));
}

int32_t ResMap::FindType(uint32_t type) const {
  for (int32_t t = 0; t < typeCount; ++t)
    if (Type(t) == type) return t;
  return -1;
}

ResReference ResMap::Reference(int32_t index) const {
  const uint8_t* entry = bytes + referenceOffset + kResReferenceSize * index;
  uint32_t attributesAndOffset = LoadNative<uint32_t>(entry + 4);
  return {LoadNative<int16_t>(entry), LoadNative<int16_t>(entry + 2), static_cast<uint8_t>(attributesAndOffset),
          attributesAndOffset >> 8};
}

int32_t ResMap::FindHandle(Handle handle) const {
  if (!handle) return -1;
  for (size_t r = 0; r < handles.size(); ++r)
    if (handles[r] == handle) return static_cast<int32_t>(r);
  return -1;
}

void ResMap::Name(int32_t reference, uint8_t* name) const {
  name[0] = 0;
  int16_t offset = Reference(reference).nameOffset;
  if (offset < 0) return;
  const uint8_t* stored = bytes + nameListOffset + offset;
  std::memcpy(name, stored, stored[0] + 1);
}

ResMap* ResMap::First() { return gFirstMap; }

void ResMap::Link(ResMap* map) {
  map->next = gFirstMap;
  gFirstMap = map;
}

void ResMap::Unlink(ResMap* map) {
  for (ResMap** link = &gFirstMap; *link; link = &(*link)->next) {
    if (*link != map) continue;
    *link = map->next;
    return;
  }
}

int32_t ResMap::Count() {
  int32_t count = 0;
  for (ResMap* map = gFirstMap; map; map = map->next) ++count;
  return count;
}
