#include "Drovane/DebugLog.h"

#include <cstdarg>
#include <cstdio>
#include <deque>
#include <mutex>

#include "Drovane/DebugConsole.h"
#include "platform/UserSignal.h"

namespace {

// Guards gpDebugConsole's creation and destruction and the lines of other threads.
std::mutex gConsoleMutex;
std::deque<std::string> gPendingLines;

void TakePendingLines() {
  while (!gPendingLines.empty()) {
    gpDebugConsole->AddLine(gPendingLines.front());
    gPendingLines.pop_front();
  }
}

}  // namespace

void DebugPrintf(const char* format, ...) {
  char buffer[256];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);

  std::lock_guard lock(gConsoleMutex);
  if (!gpDebugConsole) return;
  if (!gpDebugConsole->IsOwnerThread()) {
    gPendingLines.emplace_back(buffer);
    // The console keeps only its last lines; so does the queue while nobody takes them.
    if (gPendingLines.size() > DebugConsole::kMaxLines) gPendingLines.pop_front();
    return;
  }
  TakePendingLines();
  gpDebugConsole->AddLine(buffer);
}

void PollDebugConsole() {
  {
    std::lock_guard lock(gConsoleMutex);
    if (!gpDebugConsole) return;
    TakePendingLines();
  }
  if (platform::TakeDroppedUserSignal()) DebugPrintf("SIGUSR1 dropped: live tuning is not running.\n");
  gpDebugConsole->PollTerminalInput();
}

void CreateDebugConsole(const std::string& title) {
  std::lock_guard lock(gConsoleMutex);
  if (gpDebugConsole) return;
  gpDebugConsole = new DebugConsole;
  gpDebugConsole->CreateConsoleWindow(title);
}

void DestroyDebugConsole() {
  std::lock_guard lock(gConsoleMutex);
  delete gpDebugConsole;
  gpDebugConsole = nullptr;
  gPendingLines.clear();
}

void SaveDebugLog(const std::string& fileName) {
  if (gpDebugConsole) gpDebugConsole->SaveLog(fileName);
}

void RegisterDebugCommand(DebugCommand* command) {
  if (gpDebugConsole) gpDebugConsole->RegisterCommand(command);
}

void UnregisterDebugCommand(DebugCommand* command) {
  if (gpDebugConsole) gpDebugConsole->UnregisterCommand(command);
}
