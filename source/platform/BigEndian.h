#pragma once
#include <bit>
#include <cstdint>

// Big-endian fields of the file formats, assembled from their bytes most significant first,
// so the result is the same on any host.
namespace platform {

inline uint16_t ReadBE16(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

inline uint32_t ReadBE24(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) << 16 | static_cast<uint32_t>(bytes[1]) << 8 | bytes[2];
}

inline uint32_t ReadBE32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
         static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

// A float stored as its 32-bit word.
inline float ReadBEFloat(const uint8_t* bytes) { return std::bit_cast<float>(ReadBE32(bytes)); }

inline void WriteBE16(uint8_t* bytes, uint16_t value) {
  bytes[0] = static_cast<uint8_t>(value >> 8);
  bytes[1] = static_cast<uint8_t>(value);
}

inline void WriteBE24(uint8_t* bytes, uint32_t value) {
  bytes[0] = static_cast<uint8_t>(value >> 16);
  bytes[1] = static_cast<uint8_t>(value >> 8);
  bytes[2] = static_cast<uint8_t>(value);
}

inline void WriteBE32(uint8_t* bytes, uint32_t value) {
  bytes[0] = static_cast<uint8_t>(value >> 24);
  bytes[1] = static_cast<uint8_t>(value >> 16);
  bytes[2] = static_cast<uint8_t>(value >> 8);
  bytes[3] = static_cast<uint8_t>(value);
}

inline void WriteBEFloat(uint8_t* bytes, float value) { WriteBE32(bytes, std::bit_cast<uint32_t>(value)); }

}  // namespace platform
