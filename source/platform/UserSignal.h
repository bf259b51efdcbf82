#pragma once
#include <cstdint>

#include "platform/WindowMessages.h"

namespace platform {

// SIGUSR1 posts a message of the game's choosing to one of its windows: a person sends it
// with `kill -USR1` to ask the running game for something (the live-tuning reload). The
// handler is installed by main() and never taken away, so the signal never ends the
// program: it only notes the signal, and the message queue posts the message when it is
// next read. While no message is routed (a message of 0), a signal is dropped.
void InstallUserSignalHandler();
void RouteUserSignal(WindowHandle window, uint32_t message);

// The routed message, once for each signal that arrived while routed; false when none did.
bool TakeUserSignal(WindowHandle& window, uint32_t& message);
// True once when a signal was dropped since the last call, so the game can say so.
bool TakeDroppedUserSignal();

}  // namespace platform
