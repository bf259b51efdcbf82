#include "Drovane/ProgramEntry.h"

#include <cstring>

#include "Drovane/Application.h"
#include "Drovane/DebugLog.h"
#include "Drovane/DrovanePalette.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"

char gCommandLine[128] = "";

void StoreCommandLine(const std::string& commandLine) {
  gCommandLine[0] = '\0';
  std::strncat(gCommandLine, commandLine.c_str(), sizeof gCommandLine - 1);
}

int RunApplication(CApplication* application) {
  if (!application) return 0;
  gpApplication = application;
  if (application->Startup() != 0) {
    delete application;
    return 0;
  }
  application->mFlags |= kAppActive;
  // The screen goes black before the first frame.
  RealizeBlackPalette();
  if (application->PrepareGame() != 0) {
    delete application;
    return 0;
  }
  RunMessageLoop(*application);
  application->FinishGame();
  delete application;
  return 0;
}

void RunMessageLoop(CApplication& application) {
  while (application.mFlags & kAppRunning) {
    PollDebugConsole();
    platform::Message message;
    while (platform::PeekMessage(message)) {
      if (message.message == platform::WM_QUIT) {
        application.mFlags &= ~kAppRunning;
        return;
      }
      // Characters arrive as messages of their own, so nothing needs translating.
      platform::DispatchMessage(message);
    }
    if ((application.mFlags & (kAppRunning | kAppActive)) == (kAppRunning | kAppActive)) application.RunFrame();
  }
}
