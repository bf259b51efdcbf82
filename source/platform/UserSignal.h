#pragma once
#include <cstdint>

#include "platform/WindowMessages.h"

namespace platform {

// SIGUSR1 posts a message of the game's choosing to one of its windows: a person sends it
// with `kill -USR1` to ask the running game for something (the live-tuning reload). The
// handler only notes the signal; the message queue posts the message when it is next read.
// A message of 0 stops the routing.
void RouteUserSignal(WindowHandle window, uint32_t message);

// The routed message, once for each signal that arrived; false when none did.
bool TakeUserSignal(WindowHandle& window, uint32_t& message);

}  // namespace platform
