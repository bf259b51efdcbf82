#pragma once
#include <cstdint>
#include <vector>

// Reads the engine's open resource file in sequence from an offset through a buffer, so
// that fields are taken from memory rather than read one by one: the first fill reads the
// bytes the caller expects to need in one read, each later fill up to 64 KB more. Knowing
// how many bytes the file still holds, it lets counts be checked before they size anything.
class ResourceByteSource {
public:
  // The source starts at offset; expected is how many bytes the caller will likely read.
  ResourceByteSource(uint32_t offset, uint64_t expected);

  // The file offset of the next byte.
  uint64_t Offset() const { return mPosition; }
  // Bytes from the next one to the file's end.
  uint64_t Remaining() const;
  // Whether count records of recordSize bytes can still lie in the file.
  bool Holds(uint64_t count, uint64_t recordSize) const;
  // The next size bytes, valid until the next Take; null with error 2 when the file holds
  // fewer (or 3 when the file cannot be moved to them).
  const uint8_t* Take(uint32_t size);

private:
  bool Fill(uint32_t size);

  uint64_t mPosition;  // of the next byte
  uint64_t mLength;  // of the file
  uint64_t mExpected;
  std::vector<uint8_t> mBuffer;  // the file's bytes from mBufferStart on
  uint64_t mBufferStart = 0;
};
