#pragma once
#include <functional>

namespace platform {

// Work that must run on the main thread (every window and SDL call) asked for by another
// thread: the asking thread hands it over and waits until the main thread has run it. The
// main thread runs what is waiting whenever it reads its message queue, so any loop that
// reads messages while another thread works (the world's loading screen) serves the calls.

// True on the thread that started the program (the one that first used the platform).
bool OnMainThread();
// Runs the call at once on the main thread; from any other thread, queues it and waits
// until the main thread has run it.
void RunOnMainThread(const std::function<void()>& call);
// Runs every call waiting for the main thread, in the order they were asked for. Called by
// the message queue's readers; does nothing off the main thread.
void RunWaitingMainThreadCalls();

}  // namespace platform
