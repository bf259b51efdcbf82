#include "platform/TerminalInput.h"

#include <poll.h>

namespace platform {
namespace {

bool IsInForeground(int terminal) {
  pid_t foreground = tcgetpgrp(terminal);
  return foreground != -1 && foreground == getpgrp();
}

}  // namespace

std::vector<std::string> ReadTerminalLines(int terminal) {
  static std::string pending;
  std::vector<std::string> lines;
  if (!isatty(terminal) || !IsInForeground(terminal)) return lines;
  pollfd input{terminal, POLLIN, 0};
  while (poll(&input, 1, 0) > 0 && (input.revents & POLLIN)) {
    char buffer[256];
    ssize_t count = read(terminal, buffer, sizeof buffer);
    if (count <= 0) break;
    pending.append(buffer, static_cast<size_t>(count));
  }
  size_t end;
  while ((end = pending.find('\n')) != std::string::npos) {
    std::string line = pending.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    pending.erase(0, end + 1);
  }
  return lines;
}

}  // namespace platform
