#include "X/File/FlatResFile.h"

#include "X/Y/XAssert.h"
#include "platform/BigEndian.h"

namespace {

constexpr int32_t kHugeResource = 8000000;

}  // namespace

FlatResFile::~FlatResFile() {
  if (IsOpen()) FlatResFile::Close();
}

int16_t FlatResFile::Open(const uint8_t* name) {
  mError = FlatFile::Open(name);
  if (mError != 0) return static_cast<int16_t>(mError);
  mError = OpenMap();
  if (mError == 0) return 0;
  FlatFile::Close();
  ForgetName();
  return static_cast<int16_t>(mError);
}

int16_t FlatResFile::Open(const char* name) {
  // The base converts the name and comes back through the Pascal form, unless it refuses it.
  mError = FlatFile::Open(name);
  return static_cast<int16_t>(mError);
}

int16_t FlatResFile::Close() {
  int16_t result = FlatFile::Close();
  if (result != 0) return result;
  ReleaseMap();
  mMap = nullptr;
  return 0;
}

int16_t FlatResFile::Fail(const char* rule, int16_t code) {
  X_ASSERT(rule);
  return code;
}

int16_t FlatResFile::ReadHeader(uint32_t& mapOffset, uint32_t& mapLength) {
  uint32_t dataOffset = 0;
  uint32_t dataLength = 0;
  int16_t result = Seek(0);
  if (result == 0) result = ReadU32(dataOffset);
  if (result == 0) result = ReadU32(mapOffset);
  if (result == 0) result = ReadU32(dataLength);
  if (result == 0) result = ReadU32(mapLength);
  if (result != 0) return Fail("resource file header cut short", result);
  if (dataOffset != kResDataOffset) return Fail("unheard of resource offset", kFileIoError);
  if (mapOffset <= dataOffset || mapOffset >= kResFileLimit) return Fail("file too big", kFileIoError);
  dataLength = mapOffset - dataOffset;
  if (dataLength == 0) return Fail("location check didn't work", kFileIoError);
  if (mapLength < 1 || mapLength >= kResFileLimit) return Fail("map size too large", kFileIoError);
  if (mapLength < kResMapBytesStart) return Fail("map too small for its header", kFileIoError);
  if (static_cast<int64_t>(mapOffset) + mapLength > Length()) return Fail("map past the end of the file", kFileIoError);
  return 0;
}

int16_t FlatResFile::ReadMap(ResMap& map) {
  if (!IsOpen()) return Fail("bad ref num", kFileNotOpen);
  uint32_t mapOffset = 0;
  uint32_t mapLength = 0;
  int16_t result = ReadHeader(mapOffset, mapLength);
  if (result != 0) return result;
  uint16_t typesMinusOne = 0;
  result = Seek(static_cast<int32_t>(mapOffset + kResMapHeaderSize));
  if (result == 0) result = ReadU16(typesMinusOne);
  if (result != 0) return Fail("map cut short", result);
  // Sixteen bits: an empty map stores 0xFFFF.
  map.typeCount = static_cast<uint16_t>(typesMinusOne + 1);
  map.size = mapLength - kResMapBytesStart;
  map.bytesHandle = NewHandle(map.size, 0);
  if (!map.bytesHandle) return MemError();
  uint8_t* bytes = HLock(map.bytesHandle);
  result = Read(bytes, static_cast<int32_t>(map.size));
  HUnlock(map.bytesHandle);
  if (result != 0) {
    DisposeHandle(map.bytesHandle);
    map.bytesHandle = nullptr;
    return Fail("map cut short", result);
  }
  return 0;
}

int16_t FlatResFile::OpenMap() {
  for (ResMap* map = ResMap::First(); map; map = map->next) {
    if (map->serial != Serial()) continue;
    ++map->useCount;
    mMap = map;
    return 0;
  }
  auto* map = new ResMap;
  int16_t result = ReadMap(*map);
  if (result != 0) {
    delete map;
    return result;
  }
  map->bytes = StashHandle(map->bytesHandle);
  if (const char* rule = map->Build(Length())) {
    DisposeHandle(map->bytesHandle);
    delete map;
    return Fail(rule, kFileIoError);
  }
  map->serial = Serial();
  map->useCount = 1;
  ResMap::Link(map);
  mMap = map;
  return 0;
}

void FlatResFile::ReleaseMap() {
  if (!mMap) return;
  if (mMap->useCount < 1) {
    X_ASSERT("unused map being released");
    return;
  }
  if (--mMap->useCount > 0) return;
  ResMap::Unlink(mMap);
  for (Handle handle : mMap->handles) {
    if (!handle) continue;
    if (HIsLocked(handle)) HUnlock(handle);
    DisposeHandle(handle);
  }
  HUnlock(mMap->bytesHandle);
  DisposeHandle(mMap->bytesHandle);
  delete mMap;
}

int32_t FlatResFile::CountTypes() {
  mError = mMap ? 0 : kFileNotOpen;
  return mMap ? mMap->typeCount : 0;
}

uint32_t FlatResFile::GetIndType(int32_t index) {
  if (!mMap) {
    mError = kFileNotOpen;
    return 0;
  }
  mError = index >= 1 && index <= mMap->typeCount ? 0 : kResNotFound;
  return mError == 0 ? mMap->Type(index - 1) : 0;
}

int32_t FlatResFile::CountResources(uint32_t type) {
  if (!mMap) {
    mError = kFileNotOpen;
    return 0;
  }
  mError = 0;
  int32_t index = mMap->FindType(type);
  return index < 0 ? 0 : mMap->Count(index);
}

Handle FlatResFile::GetResource(uint32_t type, int16_t id, SwizzleProc swizzle) {
  if (!mMap) {
    mError = kFileNotOpen;
    return nullptr;
  }
  int32_t index = mMap->FindType(type);
  if (index >= 0) {
    int32_t first = mMap->FirstReference(index);
    for (int32_t r = first; r < first + mMap->Count(index); ++r)
      if (mMap->Reference(r).id == id) return LoadReference(r, swizzle);
  }
  mError = kResNotFound;
  return nullptr;
}

Handle FlatResFile::GetIndResource(uint32_t type, int32_t index, SwizzleProc swizzle) {
  if (!mMap) {
    mError = kFileNotOpen;
    return nullptr;
  }
  int32_t typeIndex = mMap->FindType(type);
  if (typeIndex < 0 || index < 1 || index > mMap->Count(typeIndex)) {
    mError = kResNotFound;
    return nullptr;
  }
  return LoadReference(mMap->FirstReference(typeIndex) + index - 1, swizzle);
}

Handle FlatResFile::LoadReference(int32_t reference, SwizzleProc swizzle) {
  mError = 0;
  Handle& handle = mMap->handles[reference];
  if (handle) return handle;
  handle = ReadResourceBytes(mMap->Reference(reference));
  if (handle && swizzle) {
    swizzle(HLock(handle), GetHandleSize(handle));
    HUnlock(handle);
  }
  return handle;
}

Handle FlatResFile::ReadResourceBytes(const ResReference& reference) {
  int64_t position = static_cast<int64_t>(mMap->dataOffset) + reference.dataOffset;
  uint32_t word = 0;
  int16_t result = Seek(static_cast<int32_t>(position));
  if (result == 0) result = ReadU32(word);
  if (result != 0) {
    mError = result;
    return nullptr;
  }
  auto length = static_cast<int32_t>(word);
  if (length >= kHugeResource) X_ASSERT("reading a resource of 8 megs--just letting you know");
  if (length < 0) {
    mError = Fail("bad size in res. map", kFileIoError);
    return nullptr;
  }
  if (position + 4 + length > Length()) {
    mError = Fail("resource past the end of the file", kFileShortRead);
    return nullptr;
  }
  Handle handle = NewHandle(static_cast<uint32_t>(length), 0);
  if (!handle) {
    mError = MemError();
    return nullptr;
  }
  result = Read(HLock(handle), length);
  HUnlock(handle);
  if (result != 0) {
    DisposeHandle(handle);
    mError = result;
    return nullptr;
  }
  return handle;
}

int32_t FlatResFile::FindEntry(Handle handle, int32_t notFound) {
  if (!mMap) {
    mError = kFileNotOpen;
    return -1;
  }
  int32_t reference = mMap->FindHandle(handle);
  mError = reference < 0 ? notFound : 0;
  return reference;
}

void FlatResFile::GetResName(Handle handle, uint8_t* name) {
  name[0] = 0;
  int32_t reference = FindEntry(handle, kResNotFound);
  if (reference >= 0) mMap->Name(reference, name);
}

void FlatResFile::GetResID(Handle handle, int16_t& id) {
  int32_t reference = FindEntry(handle, kResHandleNotFound);
  id = reference < 0 ? static_cast<int16_t>(-1) : mMap->Reference(reference).id;
}

uint32_t FlatResFile::GetResType(Handle handle) {
  int32_t reference = FindEntry(handle, kResHandleNotFound);
  if (reference < 0) return 0;
  for (int32_t t = 0; t < mMap->typeCount; ++t) {
    int32_t first = mMap->FirstReference(t);
    if (reference >= first && reference < first + mMap->Count(t)) return mMap->Type(t);
  }
  X_ASSERT("entry type not found");
  return 0;
}

void FlatResFile::ReleaseResource(Handle handle) {
  int32_t reference = FindEntry(handle, kResHandleNotFound);
  if (reference < 0) return;
  DisposeHandle(handle);
  mMap->handles[reference] = nullptr;
}

void FlatResFile::DetachResource(Handle handle) {
  int32_t reference = FindEntry(handle, kResHandleNotFound);
  if (reference >= 0) mMap->handles[reference] = nullptr;
}
