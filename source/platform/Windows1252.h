#pragma once
#include <string>
#include <string_view>

namespace platform {

// Converts UTF-8 text to the game's character set, Windows-1252. Characters the set does
// not have, and malformed sequences, are dropped.
std::string Utf8ToWindows1252(const std::string& utf8);

// The same for texts that must arrive whole, control characters (line breaks) included:
// false when a character is not in the set or a sequence is malformed, with badOffset the
// byte offset of the first such.
bool Utf8ToWindows1252Exact(const std::string& utf8, std::string& out, size_t& badOffset);

// Converts the game's Windows-1252 text to UTF-8 for rendering. The five unassigned bytes
// become the control characters of the same number, as the system's own conversion does.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace platform
