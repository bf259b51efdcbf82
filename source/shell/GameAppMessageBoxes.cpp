// The application's message boxes: their look by screen, opening and counting them, and
// the system report.
#include "Drovane/LanguageStrings.h"
#include "Drovane/SystemReport.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "screens/MessageBoxButtons.h"
#include "screens/MessageBoxWindow.h"
#include "screens/TextEntryMessageBox.h"
#include "shell/GameApp.h"
#include "shell/MessageBoxLook.h"

namespace {

constexpr int32_t kAddToParent = 1;
constexpr int32_t kCloseOnAnswer = 1;
constexpr int32_t kSystemReportBox = 2010;
constexpr int32_t kCheatBox = 2015;
constexpr int32_t kCheatPromptString = 37;
constexpr const char* kCheatFieldBackground = "MBoxCht.bmp";

// Colours the box, builds it and centres it in the root.
void OpenBox(MessageBoxWindow& box, const MessageBoxLook& look, const GraphicWindow& root) {
  box.SetTextColor(&look.textColor);
  box.SetButtonColors(&look.buttonCaptionColor, &look.buttonPressedCaptionColor);
  box.Initialize();
  box.CenterInRect(root);
}

}  // namespace

MessageBoxWindow* CGameApp::ShowMessageBox(int32_t windowId, const std::string& text, uint32_t buttons) {
  if (!mpRootWindow) return nullptr;
  const MessageBoxLook& look = MessageBoxLookFor(CurrentMode(), mpHangarDayFlag);
  auto* box = new MessageBoxWindow({0, 0, 0, 0}, buttons, text, windowId, mpRootWindow, this, kAddToParent,
                                   kCloseOnAnswer, look.boxBitmap, look.buttonBitmap, look.stripBitmap);
  OpenBox(*box, look, *mpRootWindow);
  ++mOpenBoxCount;
  return box;
}

MessageBoxWindow* CGameApp::ShowStringMessage(int32_t windowId, int32_t stringId, uint32_t buttons) {
  return ShowMessageBox(windowId, LocalizedString(static_cast<uint32_t>(stringId)), buttons);
}

int32_t CGameApp::ShowTextEntryBox() {
  if (!mpRootWindow) return 0;
  const MessageBoxLook& look = DefaultMessageBoxLook();
  auto* box = new TextEntryMessageBox({0, 0, 0, 0}, kBoxOk | kBoxCancel, kCheatPromptString, "", kCheatBox,
                                      mpRootWindow, this, kAddToParent, kCloseOnAnswer, kCheatFieldBackground,
                                      look.boxBitmap, look.buttonBitmap, look.stripBitmap);
  OpenBox(*box, look, *mpRootWindow);
  ++mOpenBoxCount;
  return 1;
}

void CGameApp::OnMessageBoxClosed() {
  if (mOpenBoxCount > 0) --mOpenBoxCount;
}

void CGameApp::ShowSystemInfo() { ShowMessageBox(kSystemReportBox, BuildSystemReport(), kBoxOk); }
