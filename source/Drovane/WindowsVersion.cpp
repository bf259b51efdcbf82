#include "Drovane/WindowsVersion.h"

#include <cstdio>

namespace {

bool IsThirtyTwoBitLine(uint32_t versionWord) { return (versionWord & 0x80000000u) == 0; }

}  // namespace

int GetWindowsVersionText(std::string& text, uint32_t versionWord) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, IsThirtyTwoBitLine(versionWord) ? "Windows NT %u.%u" : "Windows %u.%u",
                versionWord & 0xFF, (versionWord >> 8) & 0xFF);
  text = buffer;
  return 1;
}

int32_t GetWindowsPlatformCode(uint32_t versionWord) { return IsThirtyTwoBitLine(versionWord) ? 4 : 3; }

int32_t GetWindowsVersionPart(int part, uint32_t versionWord) {
  if (part == 0) return static_cast<int32_t>(versionWord & 0xFF);
  if (part == 1) return static_cast<int32_t>((versionWord >> 8) & 0xFF);
  return -1;
}
