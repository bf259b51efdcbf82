#pragma once
#include <cstdint>
#include <string>

// A four-character code as a 32-bit value with its first character in the most significant
// byte. Written little-endian, its characters stand reversed on disk: the chunk "HELI" is
// the bytes "ILEH" in a file.
constexpr uint32_t FourCC(const char (&code)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(code[3]));
}

// A code as the game names it, first character first; '.' for bytes that do not print.
inline std::string FourCCText(uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>(code >> shift);
    text += c >= 0x20 && c < 0x7F ? c : '.';
  }
  return text;
}
