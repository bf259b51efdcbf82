#pragma once
#include <string>

#include "platform/RegisteredMessages.h"
#include "platform/WindowMessages.h"

namespace platform {

// The main thread's message queue. Messages come out in the order they went in; the
// window's input and a pending quit signal are taken in whenever the queue is read, and
// the calls other threads wait to have run on the main thread (MainThreadCalls.h) are run.
// Any thread may post; only the main thread reads.

void PostMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Posts WM_QUIT with the exit code as wParam, behind whatever is already queued.
void PostQuitMessage(int exitCode);
// Takes the oldest message out of the queue; false when there is none. Never waits.
bool PeekMessage(Message& message);
// Drops every queued message (tests start from an empty queue).
void ClearMessageQueue();

}  // namespace platform
