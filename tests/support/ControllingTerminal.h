#pragma once
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

// A pseudo-terminal that becomes the controlling terminal of the calling process and its
// standard input, as a shell's terminal is for the program it starts. The process starts a
// session of its own for it, so this is for a child process (a death test's), never the
// test program itself.
class ControllingTerminal {
public:
  ControllingTerminal() {
    if (setsid() < 0) return;
    mController = posix_openpt(O_RDWR | O_NOCTTY);
    if (mController < 0 || grantpt(mController) != 0 || unlockpt(mController) != 0) return;
    int terminal = open(ptsname(mController), O_RDWR);
    if (terminal < 0 || ioctl(terminal, TIOCSCTTY, 0) != 0) return;
    mReady = dup2(terminal, STDIN_FILENO) == STDIN_FILENO;
    close(terminal);
  }
  bool Ready() const { return mReady; }

  // Types the text and waits until the terminal has it ready to read.
  bool Type(const std::string& text) {
    if (write(mController, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return false;
    return Waiting();
  }
  bool Waiting() const {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 5000) > 0;
  }

private:
  int mController = -1;
  bool mReady = false;
};
