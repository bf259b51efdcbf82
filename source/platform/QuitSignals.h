#pragma once

namespace platform {

// SIGINT, SIGTERM and SIGHUP ask the program to quit: the handler only notes the request,
// and the message queue turns it into WM_QUIT the next time it is read, so the run ends
// through the game's own finishing steps (the preferences are saved). A second quit signal
// while the first is still pending ends the process at once with status 128 + the signal's
// number, so a start-up that stalls before reading its queue can always be stopped.
// main() installs the handlers first.
void InstallQuitSignalHandlers();

// True once when a quit signal has arrived since the last call.
bool TakeQuitSignal();

}  // namespace platform
