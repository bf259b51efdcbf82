#pragma once
#include <cstddef>
#include <cstdint>

// Little-endian fields of the file formats, read and written one at a time.
namespace platform {

inline uint16_t ReadLE16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

inline int16_t ReadLE16Signed(const uint8_t* bytes) { return static_cast<int16_t>(ReadLE16(bytes)); }

inline uint32_t ReadLE32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline int32_t ReadLE32Signed(const uint8_t* bytes) { return static_cast<int32_t>(ReadLE32(bytes)); }

inline void WriteLE32(uint8_t* bytes, uint32_t value) {
  bytes[0] = static_cast<uint8_t>(value);
  bytes[1] = static_cast<uint8_t>(value >> 8);
  bytes[2] = static_cast<uint8_t>(value >> 16);
  bytes[3] = static_cast<uint8_t>(value >> 24);
}

// Whether length bytes from offset lie within size bytes, without overflowing.
inline bool RangeFits(size_t offset, size_t length, size_t size) { return offset <= size && length <= size - offset; }

}  // namespace platform
