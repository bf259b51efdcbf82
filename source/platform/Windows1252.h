#pragma once
#include <string>

namespace platform {

// Converts UTF-8 text to the game's character set, Windows-1252. Characters the set does
// not have, and malformed sequences, are dropped.
std::string Utf8ToWindows1252(const std::string& utf8);

// The same for texts that must arrive whole, control characters (line breaks) included:
// false when a character is not in the set or a sequence is malformed, with badOffset the
// byte offset of the first such.
bool Utf8ToWindows1252Exact(const std::string& utf8, std::string& out, size_t& badOffset);

}  // namespace platform
