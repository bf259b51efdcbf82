#include "pel3d/bodies/BodyFileReader.h"

#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/ByteOrder.h"

BodyFileReader::BodyFileReader(uint32_t offset)
    : mPosition(offset), mLength(static_cast<uint64_t>(GetResourceFileLength())) {}

uint64_t BodyFileReader::Remaining() const { return mPosition < mLength ? mLength - mPosition : 0; }

bool BodyFileReader::Holds(uint64_t count, uint64_t recordSize) const { return count <= Remaining() / recordSize; }

bool BodyFileReader::Read(uint8_t* destination, uint32_t size) {
  if (size > Remaining()) {
    SetLastResourceError(kErrorShortRead);
    return false;
  }
  if (!ReadResourceBytes(destination, size)) return false;
  mPosition += size;
  return true;
}

uint16_t ReadU16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }
int16_t ReadI16(const uint8_t* bytes) { return static_cast<int16_t>(ReadU16(bytes)); }
uint32_t ReadU32(const uint8_t* bytes) { return platform::ReadLE32(bytes); }
int32_t ReadI32(const uint8_t* bytes) { return static_cast<int32_t>(platform::ReadLE32(bytes)); }
