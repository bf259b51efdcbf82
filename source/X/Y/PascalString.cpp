#include "X/Y/PascalString.h"

#include <algorithm>
#include <cstring>

#include "X/Y/XAssert.h"

uint32_t PStrToUInt32(const uint8_t* name) {
  if (name[0] == 0) return 0;
  if (name[0] < 4) X_ASSERT("now converting to UInt32 only names of four characters or more");
  return static_cast<uint32_t>(name[1]) << 24 | static_cast<uint32_t>(name[2]) << 16 |
         static_cast<uint32_t>(name[3]) << 8 | name[4];
}

void CStrToPStr(const char* text, uint8_t* name) {
  size_t length = std::min<size_t>(std::strlen(text), kLongestPStr);
  name[0] = static_cast<uint8_t>(length);
  std::memcpy(name + 1, text, length);
  if (length < kLongestPStr) name[length + 1] = 0;
}

void CtoPstr(char* buffer) {
  size_t length = std::min<size_t>(std::strlen(buffer), kLongestPStr);
  std::memmove(buffer + 1, buffer, length);
  buffer[0] = static_cast<char>(length);
}

void PtoCstr(uint8_t* buffer) {
  uint8_t length = buffer[0];
  std::memmove(buffer, buffer + 1, length);
  buffer[length] = 0;
}

void AppendPStr(const uint8_t* source, uint8_t* destination, uint16_t capacity) {
  int room = std::min<int>(capacity, kPStrBufferSize) - 1 - destination[0];
  int count = std::min<int>(source[0], room);
  if (count <= 0) return;
  std::memcpy(destination + 1 + destination[0], source + 1, count);
  destination[0] = static_cast<uint8_t>(destination[0] + count);
}

void AppendCStr(const char* source, uint8_t* destination, uint16_t capacity) {
  uint8_t converted[kPStrBufferSize];
  CStrToPStr(source, converted);
  AppendPStr(converted, destination, capacity);
}

int ComparePStr(const uint8_t* a, const uint8_t* b) {
  auto upper = [](uint8_t c) { return c >= 'a' && c <= 'z' ? static_cast<uint8_t>(c - 32) : c; };
  int shorter = std::min(a[0], b[0]);
  for (int i = 1; i <= shorter; ++i) {
    uint8_t ca = upper(a[i]);
    uint8_t cb = upper(b[i]);
    if (cb < ca) return 1;
    if (cb > ca) return -1;
  }
  if (b[0] < a[0]) return 1;
  return b[0] == a[0] ? 0 : -1;
}

std::string PStrText(const uint8_t* name) { return std::string(reinterpret_cast<const char*>(name + 1), name[0]); }

void SetPStr(uint8_t* name, const std::string& text) {
  size_t length = std::min<size_t>(text.size(), kLongestPStr);
  name[0] = static_cast<uint8_t>(length);
  std::memcpy(name + 1, text.data(), length);
}
