#include "Drovane/KeyboardState.h"

#include <cstring>

#include "platform/VirtualKeys.h"

KeyboardState gKeyboardState;

bool KeyboardState::IsKeyComboDown(uint32_t key, uint32_t mask) const {
  return IsKeyDown(key) && GetModifiers() == (mask & 0xFF);
}

void KeyboardState::SetKeyDown(uint32_t key) {
  uint8_t index = static_cast<uint8_t>(key);
  if (mKeyDown[index]) return;
  mKeyDown[index] = 1;
  mHeldKeys.Append(index);
}

void KeyboardState::SetKeyUp(uint32_t key) {
  uint8_t index = static_cast<uint8_t>(key);
  if (!mKeyDown[index]) return;
  mKeyDown[index] = 0;
  mHeldKeys.RemoveValue(index);
}

void KeyboardState::ClearAll() {
  std::memset(mKeyDown, 0, sizeof mKeyDown);
  mHeldKeys.Clear();
}

int32_t KeyboardState::IsModifierKey(uint32_t key) {
  uint8_t index = static_cast<uint8_t>(key);
  return index == platform::VK_SHIFT || index == platform::VK_CONTROL || index == platform::VK_MENU;
}

uint32_t KeyboardState::GetModifiers() const {
  uint32_t mask = 0;
  if (mKeyDown[platform::VK_SHIFT]) mask |= kModifierShift;
  if (mKeyDown[platform::VK_CONTROL]) mask |= kModifierControl;
  if (mKeyDown[platform::VK_MENU]) mask |= kModifierAlt;
  return mask;
}

uint32_t IsModifierDown(uint32_t mask) { return gKeyboardState.GetModifiers() & mask & 0xFF; }
