#include "platform/UserSignal.h"

#include <atomic>
#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t gUserSignalled = 0;
volatile std::sig_atomic_t gUserSignalDropped = 0;
std::atomic<WindowHandle> gWindow{kNoWindow};
std::atomic<uint32_t> gMessage{0};
static_assert(std::atomic<uint32_t>::is_always_lock_free, "read in a signal handler");

extern "C" void NoteUserSignal(int) {
  if (gMessage.load() != 0) {
    gUserSignalled = 1;
  } else {
    gUserSignalDropped = 1;
  }
}

}  // namespace

void InstallUserSignalHandler() {
  struct sigaction action {};
  action.sa_handler = NoteUserSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

void RouteUserSignal(WindowHandle window, uint32_t message) {
  gWindow = window;
  gMessage = message;
}

bool TakeUserSignal(WindowHandle& window, uint32_t& message) {
  if (!gUserSignalled) return false;
  gUserSignalled = 0;
  message = gMessage;
  window = gWindow;
  return message != 0;
}

bool TakeDroppedUserSignal() {
  if (!gUserSignalDropped) return false;
  gUserSignalDropped = 0;
  return true;
}

}  // namespace platform
