#pragma once

namespace platform {

// SIGINT and SIGTERM ask the program to quit: the handler only notes the request, and
// the message queue turns it into WM_QUIT the next time it is read, so the run ends
// through the game's own finishing steps. main() installs the handlers first.
void InstallQuitSignalHandlers();

// True once when a quit signal has arrived since the last call.
bool TakeQuitSignal();

}  // namespace platform
