#include "platform/QuitSignals.h"

#include <unistd.h>

#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t gQuitSignalled = 0;

extern "C" void NoteQuitSignal(int signalNumber) {
  if (gQuitSignalled) _exit(128 + signalNumber);
  gQuitSignalled = 1;
}

void Install(int signalNumber) {
  struct sigaction action {};
  action.sa_handler = NoteQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void InstallQuitSignalHandlers() {
  Install(SIGINT);
  Install(SIGTERM);
  Install(SIGHUP);
}

bool TakeQuitSignal() {
  if (!gQuitSignalled) return false;
  gQuitSignalled = 0;
  return true;
}

}  // namespace platform
