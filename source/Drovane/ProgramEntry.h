#pragma once
#include <string>

class CApplication;

// The command line as the game's switch parser reads it: at most 127 characters.
extern char gCommandLine[128];
void StoreCommandLine(const std::string& commandLine);

// Drives a constructed application through its life and deletes it: start-up, then
// preparation, then the message loop, then the finishing step. A failed start-up or
// preparation deletes the object at once, without the finishing step. Returns 0.
int RunApplication(CApplication* application);

// Empties the message queue on every pass, dispatching each message, and runs one frame
// whenever the queue is empty while the application is running and active. WM_QUIT ends
// the loop at once; messages queued behind it are not dispatched. Never waits.
void RunMessageLoop(CApplication& application);
