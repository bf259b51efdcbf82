// The program entry: keeps the process's arguments and clock frequency for the framework,
// makes the game's application object and runs it to the end.
#include <new>

#include "Drovane/ProgramEntry.h"
#include "Drovane/Stopwatch.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Process.h"
#include "platform/QuitSignals.h"
#include "shell/GameApp.h"

int main(int argc, char** argv) {
  platform::InstallQuitSignalHandlers();
  platform::SetProcessArguments(argc, argv);
  StoreCommandLine(platform::GetCommandLine());
  gPerformanceFrequency = static_cast<float>(platform::QueryPerformanceFrequency());
  int result = RunApplication(new (std::nothrow) CGameApp);
  platform::ShutdownVideo();
  return result;
}
