#pragma once
#include <cstdint>
#include <utility>

// Plain in-place swaps of a 16-bit and a 32-bit word's bytes. Numbers read from the
// library's files are not converted with these but assembled by platform/BigEndian.h.
inline void SwapU16(void* word) {
  auto* bytes = static_cast<uint8_t*>(word);
  std::swap(bytes[0], bytes[1]);
}

inline void SwapU32(void* word) {
  auto* bytes = static_cast<uint8_t*>(word);
  std::swap(bytes[0], bytes[3]);
  std::swap(bytes[1], bytes[2]);
}
