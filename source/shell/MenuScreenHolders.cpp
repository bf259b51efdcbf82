#include "shell/MenuScreenHolders.h"

#include "platform/VirtualKeys.h"
#include "shell/CommandTable.h"

EscapableScreen::EscapableScreen() {
  mCommandMap.Bindings().push_back({kKeyboardDevice, kCommandLeaveScreen, platform::VK_ESCAPE, 0, 0, 0});
  mCommandMap.RebuildTables();
}
