#pragma once
#include <string>

namespace platform {

// Keeps the process's arguments; main() calls it first.
void SetProcessArguments(int argc, const char* const* argv);

// The command line as the game reads it: the arguments after the program name, joined
// by single spaces.
std::string GetCommandLine();

// The program's own path in the game's form: an absolute path with backslash
// separators ("\usr\games\halvorine"). Empty when it cannot be found.
std::string GetModuleFileName();

// Converts between the game's path form (backslashes) and the system's (slashes).
std::string ToGamePath(const std::string& systemPath);
std::string ToSystemPath(const std::string& gamePath);

// Ends the program at once after a fatal error: prints the message and exits with status 3.
[[noreturn]] void TerminateAbnormally(const char* message = "abnormal program termination");

}  // namespace platform
