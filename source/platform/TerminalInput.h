#pragma once
#include <string>
#include <vector>

#include <unistd.h>

namespace platform {

// Lines typed on a terminal (standard input unless told otherwise), read without blocking
// and only while the program is in the terminal's foreground process group: a program
// started in the background ("halvorine -d &") that read its terminal would be stopped by
// the shell. Returns the complete lines that arrived since the last call (without their
// line break); a line not yet ended waits for the next call.
std::vector<std::string> ReadTerminalLines(int terminal = STDIN_FILENO);

}  // namespace platform
