#include "shell/GameCommander.h"

#include "Drovane/KeyboardState.h"
#include "shell/CommandMap.h"
#include "shell/GameApp.h"

namespace {
constexpr int32_t kLeftButton = 1;
constexpr int32_t kRightButton = 2;
}  // namespace

int32_t GameCommander::OnMouseMove(int32_t x, int32_t y) {
  if (mpApplication) mpApplication->OnMouseMove(x, y);
  return 0;
}

int32_t GameCommander::Activate() {
  if (mpApplication) mpApplication->mActive = 1;
  return 0;
}

int32_t GameCommander::Deactivate() {
  if (mpApplication) mpApplication->mActive = 0;
  return 0;
}

int32_t GameCommander::OnFocusLost() {
  gKeyboardState.ClearAll();
  if (mpApplication) mpApplication->ClearCommandStates();
  return 0;
}

int32_t GameCommander::OnKeyDown(uint32_t key) {
  gKeyboardState.SetKeyDown(key);
  if (!mpApplication) return 0;
  return mpApplication->OnKeyDown(key, gKeyboardState.GetModifiers());
}

int32_t GameCommander::OnKeyUp(uint32_t key) {
  gKeyboardState.SetKeyUp(key);
  if (!mpApplication) return 0;
  return mpApplication->OnKeyUp(key, gKeyboardState.GetModifiers());
}

int32_t GameCommander::OnChar(uint32_t code) {
  if (mpApplication) mpApplication->OnCharacter(code);
  return 0;
}

int32_t GameCommander::OnLeftButtonDown(int32_t x, int32_t y) {
  if (mpApplication) mpApplication->OnMouseDown(x, y, kLeftButton);
  return 0;
}

int32_t GameCommander::OnLeftButtonUp(int32_t x, int32_t y) {
  if (mpApplication) mpApplication->OnMouseUp(x, y, kLeftButton);
  return 0;
}

int32_t GameCommander::OnRightButtonDown(int32_t x, int32_t y) {
  if (mpApplication) mpApplication->OnMouseDown(x, y, kRightButton);
  return 0;
}

int32_t GameCommander::OnRightButtonUp(int32_t x, int32_t y) {
  if (mpApplication) mpApplication->OnMouseUp(x, y, kRightButton);
  return 0;
}

int32_t GameCommander::OnCloseRequest() {
  if (mpApplication) mpApplication->ShowQuitPrompt();
  return 0;
}

void GameCommander::KeyDownToCommand(uint32_t key, CommandMap& map, int32_t* command, int32_t* singlePress) {
  *command = 0;
  *singlePress = 0;
  uint32_t modifiers = gKeyboardState.GetModifiers();
  if (KeyboardState::IsModifierKey(key)) {
    map.ReholdKeys(gKeyboardState.HeldKeys(), modifiers);
    return;
  }
  *command = map.CommandForKey(key, modifiers);
  if (*command == 0) return;
  *singlePress = map.GetSinglePress(*command) ? 1 : 0;
  map.Hold(*command);
}

void GameCommander::KeyUpToCommand(uint32_t key, CommandMap& map) {
  uint32_t modifiers = gKeyboardState.GetModifiers();
  if (KeyboardState::IsModifierKey(key)) {
    map.ReholdKeys(gKeyboardState.HeldKeys(), modifiers);
    return;
  }
  map.Release(map.CommandForKey(key, modifiers));
}
