// The program entry: keeps the process's arguments and clock frequency for the framework,
// makes the game's application object and runs it to the end.
#include <cstdio>
#include <new>

#include "Drovane/ProgramEntry.h"
#include "Drovane/Stopwatch.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/Process.h"
#include "platform/QuitSignals.h"
#include "platform/SoundDevice.h"
#include "platform/UserSignal.h"
#include "shell/GameApp.h"
#include "sound/SoundBank.h"
#include "sound/SoundSystem.h"

int main(int argc, char** argv) {
  platform::InstallQuitSignalHandlers();
  platform::InstallUserSignalHandler();
  platform::SetProcessArguments(argc, argv);
  StoreCommandLine(platform::GetCommandLine());
  if (platform::NoDisplayFound()) {
    std::fprintf(stderr, "No display found: set DISPLAY, or SDL_VIDEODRIVER=dummy to run without a window\n");
    platform::ShutdownVideo();
    return 1;
  }
  gPerformanceFrequency = static_cast<float>(platform::QueryPerformanceFrequency());
  int result = RunApplication(new (std::nothrow) CGameApp);
  // Sounds go before the device they play on, and the timer thread stops with the device,
  // so no sound callback runs once main returns.
  gSoundBank.DeleteAll();
  gSoundSystem.Release();
  platform::ShutdownSound();
  platform::ShutdownVideo();
  return result;
}
