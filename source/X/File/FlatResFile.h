#pragma once
#include <cstdint>

#include "X/File/FlatFile.h"
#include "X/File/ResMap.h"
#include "X/Y/Memwrap.h"

// Result codes of resource look-ups, beside those of FlatFile and the memory layer.
constexpr int32_t kResNameEmpty = -97;
constexpr int32_t kResNotFound = -98;
constexpr int32_t kResHandleNotFound = -99;

// Converts a resource in place from the file's byte order; runs once, on first load.
using SwizzleProc = void (*)(uint8_t* bytes, uint32_t size);

// A resource file read as a plain file: its map is loaded once per open stream however many
// objects open it, and each resource's bytes are handed out in a handle that the map owns
// until the resource is released or detached. Every look-up leaves its result code for
// GetError. A file whose header or map breaks a rule does not open.
class FlatResFile : public FlatFile {
public:
  FlatResFile() = default;
  ~FlatResFile() override;

  int16_t Open(const uint8_t* name) override;
  int16_t Open(const char* name) override;
  int16_t Close() override;

  int32_t GetError() const { return mError; }

  int32_t CountTypes();
  // The index-th type (1-based), 0 when there is none.
  uint32_t GetIndType(int32_t index);
  int32_t CountResources(uint32_t type);
  Handle GetResource(uint32_t type, int16_t id, SwizzleProc swizzle);
  // The index-th resource of the type, 1-based, in the order of the type's list.
  Handle GetIndResource(uint32_t type, int32_t index, SwizzleProc swizzle);
  void GetResName(Handle handle, uint8_t* name);
  void GetResID(Handle handle, int16_t& id);
  uint32_t GetResType(Handle handle);
  void ReleaseResource(Handle handle);
  // The caller owns the handle from then on; a later look-up loads a fresh copy.
  void DetachResource(Handle handle);

private:
  int16_t ReadMap(ResMap& map);
  int16_t ReadHeader(uint32_t& mapOffset, uint32_t& mapLength);
  int16_t OpenMap();
  void ReleaseMap();
  Handle LoadReference(int32_t reference, SwizzleProc swizzle);
  Handle ReadResourceBytes(const ResReference& reference);
  int32_t FindEntry(Handle handle, int32_t notFound);
  int16_t Fail(const char* rule, int16_t code);

  ResMap* mMap = nullptr;
  int32_t mError = 0;
};
