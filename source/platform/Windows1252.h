#pragma once
#include <string>

namespace platform {

// Converts UTF-8 text to the game's character set, Windows-1252. Characters the set does
// not have, and malformed sequences, are dropped.
std::string Utf8ToWindows1252(const std::string& utf8);

}  // namespace platform
