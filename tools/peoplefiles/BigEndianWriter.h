#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/BigEndian.h"

// Bytes of a file being built, appended field by field, every number big-endian byte by byte.
class BigEndianWriter {
public:
  void U8(uint8_t value) { mBytes.push_back(value); }
  void U16(uint16_t value) { Append(2, [&](uint8_t* at) { platform::WriteBE16(at, value); }); }
  void U24(uint32_t value) { Append(3, [&](uint8_t* at) { platform::WriteBE24(at, value); }); }
  void U32(uint32_t value) { Append(4, [&](uint8_t* at) { platform::WriteBE32(at, value); }); }
  void Float(float value) { Append(4, [&](uint8_t* at) { platform::WriteBEFloat(at, value); }); }
  void Bytes(const std::vector<uint8_t>& bytes) { mBytes.insert(mBytes.end(), bytes.begin(), bytes.end()); }
  void Zeros(size_t count) { mBytes.insert(mBytes.end(), count, 0); }
  // A Pascal string: the length byte, then the characters.
  void PString(const std::string& text) {
    U8(static_cast<uint8_t>(text.size()));
    mBytes.insert(mBytes.end(), text.begin(), text.end());
  }

  uint32_t Size() const { return static_cast<uint32_t>(mBytes.size()); }
  const std::vector<uint8_t>& Result() const { return mBytes; }

private:
  template <typename Write>
  void Append(size_t size, Write write) {
    mBytes.resize(mBytes.size() + size);
    write(mBytes.data() + mBytes.size() - size);
  }

  std::vector<uint8_t> mBytes;
};
