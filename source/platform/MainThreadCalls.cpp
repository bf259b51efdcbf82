#include "platform/MainThreadCalls.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace platform {
namespace {

// A static object's constructor runs before main, on the program's first thread.
const std::thread::id gMainThread = std::this_thread::get_id();

struct WaitingCall {
  const std::function<void()>* call;
  bool done = false;
};

std::mutex gCallsMutex;
std::condition_variable gCallDone;
std::deque<WaitingCall*> gWaiting;

}  // namespace

bool OnMainThread() { return std::this_thread::get_id() == gMainThread; }

void RunOnMainThread(const std::function<void()>& call) {
  if (OnMainThread()) {
    call();
    return;
  }
  WaitingCall waiting{&call};
  std::unique_lock lock(gCallsMutex);
  gWaiting.push_back(&waiting);
  gCallDone.wait(lock, [&] { return waiting.done; });
}

void RunWaitingMainThreadCalls() {
  if (!OnMainThread()) return;
  std::unique_lock lock(gCallsMutex);
  while (!gWaiting.empty()) {
    WaitingCall* waiting = gWaiting.front();
    gWaiting.pop_front();
    lock.unlock();
    (*waiting->call)();
    lock.lock();
    waiting->done = true;
    gCallDone.notify_all();
  }
}

}  // namespace platform
