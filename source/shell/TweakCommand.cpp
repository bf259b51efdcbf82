#include "shell/TweakCommand.h"

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/MainWindow.h"
#include "game/P3Tweak.h"
#include "platform/MessageQueue.h"
#include "shell/GameApp.h"

namespace {

class TweakCommand : public DebugCommand {
public:
  TweakCommand() : DebugCommand("tweak", "tweak (re-reads every tuning section from pel3d.twk)") {}
  void Execute(const std::string&) override {
    if (!gpGameApp || !gpGameApp->mpMainWindow) {
      DebugPrintf("No main window to send the tuning message to.");
      return;
    }
    platform::PostMessage(gpGameApp->mpMainWindow->mWindow, TweakMessageId(), 0, 0);
  }
};

}  // namespace

DebugCommand& TheTweakCommand() {
  static TweakCommand command;
  return command;
}
