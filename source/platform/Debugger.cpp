#include "platform/Debugger.h"

#include <csignal>
#include <fstream>
#include <string>

namespace platform {

bool IsDebuggerPresent() {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = "TracerPid:";
  while (std::getline(status, line)) {
    if (line.compare(0, key.size(), key) == 0) return std::stol(line.substr(key.size())) != 0;
  }
  return false;
}

void DebugBreak() {
  if (IsDebuggerPresent()) std::raise(SIGTRAP);
}

}  // namespace platform
