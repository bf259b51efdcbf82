#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Bits in the order the video format reads them: the first bit is bit 0 of byte 0, and a
// value of several bits goes least significant bit first.
class VideoBitWriter {
public:
  void Bit(bool bit) {
    if (mBits % 8 == 0) mBytes.push_back(0);
    if (bit) mBytes.back() = static_cast<uint8_t>(mBytes.back() | (1u << (mBits % 8)));
    ++mBits;
  }
  void Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }

  size_t BitCount() const { return mBits; }
  // Whole bytes; the last one padded with zero bits.
  const std::vector<uint8_t>& Bytes() const { return mBytes; }

private:
  std::vector<uint8_t> mBytes;
  size_t mBits = 0;
};
