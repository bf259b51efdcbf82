#pragma once
#include <string>
#include <vector>

namespace platform {

// Lines typed on standard input while it is a terminal, read without blocking.
// Returns the complete lines that arrived since the last call (without their line break).
std::vector<std::string> ReadTerminalLines();

}  // namespace platform
