#pragma once
#include <cstdint>

// Reads a body group's bytes in sequence from the engine's open resource file, knowing how
// many bytes the file still holds, so that counts can be checked before they size anything.
class BodyFileReader {
public:
  // The file stands at offset.
  explicit BodyFileReader(uint32_t offset);

  // Bytes from the current position to the file's end.
  uint64_t Remaining() const;
  // Whether count records of recordSize bytes can still lie in the file.
  bool Holds(uint64_t count, uint64_t recordSize) const;
  // Reads exactly size bytes; false with error 2 when the file holds fewer.
  bool Read(uint8_t* destination, uint32_t size);

private:
  uint64_t mPosition;
  uint64_t mLength;
};

// Little-endian fields of bytes read from an engine file.
int16_t ReadI16(const uint8_t* bytes);
uint16_t ReadU16(const uint8_t* bytes);
uint32_t ReadU32(const uint8_t* bytes);
int32_t ReadI32(const uint8_t* bytes);
