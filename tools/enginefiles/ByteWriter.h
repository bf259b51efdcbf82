#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Bytes of a file being built, appended field by field, integers little-endian.
class ByteWriter {
public:
  void U8(uint8_t value) { mBytes.push_back(value); }
  void U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
  }
  void U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) mBytes.push_back(static_cast<uint8_t>(value >> shift));
  }
  void Bytes(const std::vector<uint8_t>& bytes) { mBytes.insert(mBytes.end(), bytes.begin(), bytes.end()); }
  void Bytes(const uint8_t* bytes, size_t size) { mBytes.insert(mBytes.end(), bytes, bytes + size); }
  // The text in a field of size bytes, padded with zeros (none when it fills the field).
  void Text(const std::string& text, size_t size) {
    for (size_t i = 0; i < size; ++i) U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
  }
  // Overwrites a 32-bit field written before.
  void PatchU32(size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) mBytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }

  uint32_t Size() const { return static_cast<uint32_t>(mBytes.size()); }
  const std::vector<uint8_t>& Result() const { return mBytes; }

private:
  std::vector<uint8_t> mBytes;
};
