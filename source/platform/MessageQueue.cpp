#include "platform/MessageQueue.h"

#include <deque>
#include <mutex>
#include <vector>

#include "platform/MainThreadCalls.h"
#include "platform/NativeWindow.h"
#include "platform/QuitSignals.h"
#include "platform/UserSignal.h"

namespace platform {
namespace {

std::mutex gQueueMutex;
std::deque<Message> gQueue;

// Takes in what arrived from outside since the last read: signals, the window's input.
void TakeInExternalMessages() {
  RunWaitingMainThreadCalls();
  if (TakeQuitSignal()) PostQuitMessage(0);
  WindowHandle signalWindow;
  uint32_t signalMessage;
  if (TakeUserSignal(signalWindow, signalMessage)) PostMessage(signalWindow, signalMessage, 0, 0);
  std::vector<Message> input;
  PumpNativeEvents(input);
  std::lock_guard lock(gQueueMutex);
  gQueue.insert(gQueue.end(), input.begin(), input.end());
}

}  // namespace

void PostMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  std::lock_guard lock(gQueueMutex);
  gQueue.push_back({window, message, wParam, lParam});
}

void PostQuitMessage(int exitCode) {
  PostMessage(kNoWindow, WM_QUIT, static_cast<uintptr_t>(exitCode), 0);
}

bool PeekMessage(Message& message) {
  TakeInExternalMessages();
  std::lock_guard lock(gQueueMutex);
  if (gQueue.empty()) return false;
  message = gQueue.front();
  gQueue.pop_front();
  return true;
}

void ClearMessageQueue() {
  std::lock_guard lock(gQueueMutex);
  gQueue.clear();
}

}  // namespace platform
