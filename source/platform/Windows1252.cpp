#include "platform/Windows1252.h"

#include <cstdint>

namespace platform {
namespace {

// The code points of Windows-1252's bytes 0x80 to 0x9F; 0 where the byte is unassigned.
constexpr uint32_t kHighControlRange[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Windows-1252 byte of a code point; 0 when the set has none. Control characters
// are not text: keys send those.
uint8_t ToWindows1252(uint32_t codePoint) {
  if (codePoint >= 0x20 && codePoint < 0x7F) return static_cast<uint8_t>(codePoint);
  if (codePoint >= 0xA0 && codePoint <= 0xFF) return static_cast<uint8_t>(codePoint);
  for (uint32_t i = 0; i < 32; ++i) {
    if (kHighControlRange[i] == codePoint && codePoint != 0) return static_cast<uint8_t>(0x80 + i);
  }
  return 0;
}

// Decodes the sequence at position; returns its length, or 0 when it is malformed.
size_t DecodeUtf8(const std::string& text, size_t position, uint32_t& codePoint) {
  auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  uint8_t lead = byte(position);
  size_t length;
  uint32_t minimum;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (position + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    uint8_t next = byte(position + i);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
  return length;
}

void AppendUtf8(uint32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    const uint32_t mapped = byte >= 0x80 && byte < 0xA0 ? kHighControlRange[byte - 0x80] : 0;
    AppendUtf8(mapped ? mapped : byte, result);
  }
  return result;
}

bool Utf8ToWindows1252Exact(const std::string& utf8, std::string& out, size_t& badOffset) {
  out.clear();
  size_t position = 0;
  while (position < utf8.size()) {
    uint32_t codePoint = 0;
    size_t length = DecodeUtf8(utf8, position, codePoint);
    uint8_t character = codePoint < 0x80 ? static_cast<uint8_t>(codePoint) : ToWindows1252(codePoint);
    if (length == 0 || (character == 0 && codePoint != 0)) {
      badOffset = position;
      return false;
    }
    out += static_cast<char>(character);
    position += length;
  }
  return true;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
  std::string result;
  size_t position = 0;
  while (position < utf8.size()) {
    uint32_t codePoint = 0;
    size_t length = DecodeUtf8(utf8, position, codePoint);
    if (length == 0) {
      ++position;
      continue;
    }
    position += length;
    if (uint8_t character = ToWindows1252(codePoint)) result += static_cast<char>(character);
  }
  return result;
}

}  // namespace platform
