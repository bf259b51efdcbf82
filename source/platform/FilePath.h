#pragma once
#include <string>

namespace platform {

// The longest path the game's buffers hold, the terminating zero included.
constexpr size_t kMaxPath = 260;

// Turns a path as the game writes it (backslash separators) into the system path of what
// it names. The exact name is taken when it exists; otherwise each component is matched
// in its folder ignoring letter case, and of names that differ only in case the first in
// byte order wins. From the first component that matches nothing on, the rest is kept as
// given, so a file about to be created gets the name the game asked for.
std::string ResolvePath(const std::string& gamePath);

// The letters A to Z in lower case; every other byte unchanged.
char ToLowerAscii(char c);

// Whether two names are equal ignoring the case of the letters A to Z.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace platform
