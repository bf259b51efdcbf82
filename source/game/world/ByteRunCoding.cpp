#include "game/world/ByteRunCoding.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kLongestLiteral = 0x7F;
constexpr size_t kLongestRepeat = 0x80;
constexpr size_t kShortestRepeat = 3;

std::string Overrun(size_t size) { return "byte runs overrun " + std::to_string(size) + " bytes"; }

size_t RepeatLength(const uint8_t* bytes, size_t at, size_t size) {
  size_t end = std::min(size, at + kLongestRepeat);
  size_t next = at + 1;
  while (next < end && bytes[next] == bytes[at]) ++next;
  return next - at;
}

}  // namespace

std::string DecodeByteRuns(const uint8_t* coded, size_t codedSize, uint8_t* destination, size_t size) {
  size_t in = 0;
  size_t out = 0;
  while (in < codedSize) {
    uint8_t code = coded[in++];
    bool repeat = code & 0x80;
    size_t count = repeat ? (code & 0x7Fu) + 1 : code;
    size_t needed = repeat ? 1 : count;
    if (needed > codedSize - in) return "a run reads past the chunk's " + std::to_string(codedSize) + " bytes";
    if (count > size - out) return Overrun(size);
    if (repeat) {
      std::memset(destination + out, coded[in], count);
    } else if (count > 0) {
      std::memcpy(destination + out, coded + in, count);
    }
    in += needed;
    out += count;
  }
  return {};
}

std::vector<uint8_t> EncodeByteRuns(const uint8_t* bytes, size_t size) {
  std::vector<uint8_t> coded;
  size_t literalStart = 0;
  auto flushLiteral = [&](size_t end) {
    while (literalStart < end) {
      size_t count = std::min(kLongestLiteral, end - literalStart);
      coded.push_back(static_cast<uint8_t>(count));
      coded.insert(coded.end(), bytes + literalStart, bytes + literalStart + count);
      literalStart += count;
    }
  };
  size_t at = 0;
  while (at < size) {
    size_t repeat = RepeatLength(bytes, at, size);
    if (repeat < kShortestRepeat) {
      at += repeat;
      continue;
    }
    flushLiteral(at);
    coded.push_back(static_cast<uint8_t>(0x80 | (repeat - 1)));
    coded.push_back(bytes[at]);
    at += repeat;
    literalStart = at;
  }
  flushLiteral(size);
  return coded;
}
