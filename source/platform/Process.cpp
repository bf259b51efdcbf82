#include "platform/Process.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {
std::vector<std::string> gArguments;
}

void SetProcessArguments(int argc, const char* const* argv) {
  gArguments.assign(argv, argv + argc);
}

std::string GetCommandLine() {
  std::string line;
  for (size_t i = 1; i < gArguments.size(); ++i) {
    if (i > 1) line += ' ';
    line += gArguments[i];
  }
  return line;
}

std::string GetModuleFileName() {
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return {};
  return ToGamePath(std::string(buffer.data(), static_cast<size_t>(length)));
}

std::string ToGamePath(const std::string& systemPath) {
  std::string path = systemPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string ToSystemPath(const std::string& gamePath) {
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

void TerminateAbnormally(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  std::fflush(stderr);
  std::_Exit(3);
}

}  // namespace platform
