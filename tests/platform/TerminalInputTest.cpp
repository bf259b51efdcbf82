#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "platform/TerminalInput.h"
#include "support/ControllingTerminal.h"

namespace {

using Lines = std::vector<std::string>;

// Whether a background job of the terminal reads nothing and is not stopped for trying.
bool BackgroundJobReadsNothing() {
  pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);  // a process group of its own: not the terminal's foreground
    _exit(platform::ReadTerminalLines().empty() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, WUNTRACED);
  if (WIFSTOPPED(status)) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs in a child whose controlling terminal is a pseudo-terminal; the status says which
// check failed (0 none).
int ReadOnlyInTheForeground() {
  ControllingTerminal terminal;
  if (!terminal.Ready()) return 10;
  if (!terminal.Type("one\ntwo\nthr")) return 11;
  if (!BackgroundJobReadsNothing()) return 12;
  if (platform::ReadTerminalLines() != Lines{"one", "two"}) return 13;
  if (!terminal.Type("ee\n")) return 14;
  if (platform::ReadTerminalLines() != Lines{"three"}) return 15;
  return platform::ReadTerminalLines().empty() ? 0 : 16;
}

TEST(TerminalInput, ReadsCompleteLinesOnlyInTheForeground) {
  EXPECT_EXIT(std::exit(ReadOnlyInTheForeground()), testing::ExitedWithCode(0), "");
}

TEST(TerminalInput, NothingWhenInputIsNoTerminal) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  ASSERT_EQ(write(pipeEnds[1], "line\n", 5), 5);
  EXPECT_TRUE(platform::ReadTerminalLines(pipeEnds[0]).empty());
  close(pipeEnds[0]);
  close(pipeEnds[1]);
}

}  // namespace
