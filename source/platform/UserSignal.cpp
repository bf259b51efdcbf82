#include "platform/UserSignal.h"

#include <atomic>
#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t gUserSignalled = 0;
std::atomic<WindowHandle> gWindow{kNoWindow};
std::atomic<uint32_t> gMessage{0};

extern "C" void NoteUserSignal(int) { gUserSignalled = 1; }

}  // namespace

void RouteUserSignal(WindowHandle window, uint32_t message) {
  gWindow = window;
  gMessage = message;
  struct sigaction action {};
  action.sa_handler = message != 0 ? NoteUserSignal : SIG_DFL;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

bool TakeUserSignal(WindowHandle& window, uint32_t& message) {
  if (!gUserSignalled) return false;
  gUserSignalled = 0;
  message = gMessage;
  window = gWindow;
  return message != 0;
}

}  // namespace platform
