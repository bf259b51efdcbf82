#pragma once
#include <cstdint>
#include <string>

#include "platform/SystemVersion.h"

// The system's version as the report names it, read from the version word.

// "Windows NT %u.%u" for the 32-bit line (top bit clear), else "Windows %u.%u". Returns 1.
int GetWindowsVersionText(std::string& text, uint32_t versionWord = platform::GetVersion());
// 4 for the 32-bit line, 3 otherwise.
int32_t GetWindowsPlatformCode(uint32_t versionWord = platform::GetVersion());
// part 0: the major, 1: the minor version; -1 for other parts.
int32_t GetWindowsVersionPart(int part, uint32_t versionWord = platform::GetVersion());
