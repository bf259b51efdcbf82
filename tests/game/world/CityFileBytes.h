#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/world/ByteRunCoding.h"

// Hand-made city files for the tests: chunks put together byte by byte.
namespace city_bytes {

inline std::string BE32(uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

inline std::string Chunk(const std::string& tag, const std::string& data) {
  return tag + BE32(static_cast<uint32_t>(data.size())) + data;
}

// A chunk header claiming a length its data need not have.
inline std::string ChunkHeader(const std::string& tag, uint32_t length) { return tag + BE32(length); }

inline std::string Form(const std::string& chunks) {
  return "FORM" + BE32(static_cast<uint32_t>(chunks.size() + 4)) + "MVDH" + chunks;
}

inline std::string FormWithLength(uint32_t length, const std::string& chunks) {
  return "FORM" + BE32(length) + "MVDH" + chunks;
}

inline std::string Coded(const std::string& bytes) {
  std::vector<uint8_t> coded = EncodeByteRuns(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return std::string(coded.begin(), coded.end());
}

// A MISC chunk with the format number and every other word 0.
inline std::string Misc(uint32_t format = 290) {
  return Chunk("MISC", Coded(BE32(format) + std::string(4796, '\0')));
}

}  // namespace city_bytes
