// The window commands the application answers: the quit question, the notice boxes and
// the boxes' count.
#include <vector>

#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/DispatchBracket.h"
#include "screens/MessageBoxButtons.h"
#include "shell/GameApp.h"

namespace {

enum BoxId : int32_t {
  kFirstNoticeBox = 2009,
  kNoticeBox = 2010,
  kSavePromptBox = 2013,
  kQuitPromptBox = 2014,
  kLastBox = 2016,
};
constexpr int32_t kQuitQuestionString = 3;
constexpr int32_t kSaveQuestionString = 49;
constexpr uint32_t kYesNo = kBoxYes | kBoxNo;
// A two-button question's affirmative answer.
constexpr int32_t kAnswerYes = kBoxYes;

bool IsBox(int32_t windowId) { return windowId >= kFirstNoticeBox && windowId <= kLastBox; }

}  // namespace

void CGameApp::ShowQuitPrompt() {
  if (mQuitPromptOpen) return;
  mQuitPromptOpen = 1;
  if (CurrentMode() < kModeFlight) {
    EnterMode(kModeQuit);
    return;
  }
  ShowStringMessage(kQuitPromptBox, kQuitQuestionString, kYesNo);
}

// Every window of the screen is closed, boxes included; none of them answers any more.
void CGameApp::DestroyScreens() {
  mpHangarDayFlag = nullptr;
  if (!mpRootWindow) return;
  DispatchBracket bracket(&mWindowManager);
  const std::vector<GraphicWindow*> windows = mpRootWindow->mChildren;
  for (GraphicWindow* window : windows) window->Close();
}

int32_t CGameApp::OnWindowCommand(GraphicWindow*, int32_t windowId, int32_t code, intptr_t) {
  if (!IsBox(windowId)) return 0;
  OnMessageBoxClosed();
  switch (windowId) {
    case kFirstNoticeBox:
    case kNoticeBox: ContinueAfterBox(); return 1;
    // Saving, and what follows the answer, come with the game files.
    case kSavePromptBox: mQuitPromptOpen = 0; return 1;
    case kQuitPromptBox: return AnswerQuitPrompt(code);
    default: return 1;
  }
}

int32_t CGameApp::AnswerQuitPrompt(int32_t answer) {
  if (answer != kAnswerYes) {
    mQuitPromptOpen = 0;
    return 1;
  }
  mQuitConfirmed = 1;
  if (CurrentMode() < kModeFlight) {
    mQuitPromptOpen = 0;
    DestroyScreens();
    EnterMode(kModeQuit);
    return 1;
  }
  ShowStringMessage(kSavePromptBox, kSaveQuestionString, kYesNo);
  return 1;
}

void CGameApp::ContinueAfterBox() {
  if (mQuitConfirmed) {
    DestroyScreens();
    EnterMode(kModeQuit);
    return;
  }
  if (!mLeaveCity) return;
  mLeaveCity = 0;
  mPauseCount = 0;
  LeaveMode(kModeFlight);
  EnterMode(kModeMainMenu);
}
