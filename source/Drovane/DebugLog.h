#pragma once
#include <string>

class DebugCommand;

// Formats one line of at most 255 characters (longer output is cut) and adds it to the
// debug console; nothing when there is no console. Safe from any thread: lines from other
// threads wait in a locked queue until the console's thread takes them in.
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Called by the console's thread (the message loop does it every pass): moves the lines
// other threads wrote into the console, and runs what was typed on the terminal.
void PollDebugConsole();

// Creates the global console and its front end with the title, when there is none.
void CreateDebugConsole(const std::string& title = "Debug Window");
void DestroyDebugConsole();
// These do nothing when there is no console.
void SaveDebugLog(const std::string& fileName);
void RegisterDebugCommand(DebugCommand* command);
void UnregisterDebugCommand(DebugCommand* command);
