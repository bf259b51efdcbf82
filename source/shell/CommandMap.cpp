#include "shell/CommandMap.h"

#include <algorithm>
#include <cstdlib>

#include "Drovane/JoystickManager.h"

void CommandMap::ClearAll() {
  mStates.fill(0);
  mSinglePress.fill(0);
  mKeyTable.fill(0);
  for (auto& row : mJoystickTable) row.fill(0);
  mValues.fill(0);
}

void CommandMap::ClearStates() {
  mStates.fill(0);
  mHeld.Clear();
}

void CommandMap::ClearStateBit(int32_t bit) {
  uint8_t mask = bit >= 0 && bit < 8 ? static_cast<uint8_t>(1u << bit) : 0;
  for (uint8_t& state : mStates) state = static_cast<uint8_t>(state & ~mask);
  mHeld.Clear();
}

void CommandMap::RebuildTables() {
  ClearAll();
  ClearStateBit(0);
  for (const KeyBinding& binding : mBindings) {
    if (binding.device == kKeyboardDevice) {
      EnterKeyBinding(binding);
    } else if (binding.device >= 1 && binding.device <= kJoystickDevices && binding.control >= 0 &&
               binding.control < kJoystickControls) {
      mJoystickTable[binding.device - 1][binding.control] = static_cast<uint8_t>(binding.command);
    }
  }
}

// A continuous command answers in every row its class word selects: with the word 1, with
// and without Shift.
void CommandMap::EnterKeyBinding(const KeyBinding& binding) {
  if (binding.control < 0 || binding.control >= kKeyCodes) return;
  if (HasState(binding.command)) {
    mStates[binding.command] = 0;
    mSinglePress[binding.command] = static_cast<uint8_t>(binding.singlePress);
  }
  uint8_t command = static_cast<uint8_t>(binding.command);
  if (binding.continuous == 0) {
    mKeyTable[(binding.modifiers & 7) * kKeyCodes + binding.control] = command;
    return;
  }
  for (int32_t row = 0; row < kKeyRows; ++row)
    if ((binding.continuous & row) == row) mKeyTable[row * kKeyCodes + binding.control] = command;
}

void CommandMap::PollJoysticks(const JoystickManager& joysticks) {
  int32_t count = std::min(joysticks.Count(), kJoystickDevices);
  for (int32_t joystick = 0; joystick < count; ++joystick)
    for (uint8_t command : mJoystickTable[joystick])
      if (HasState(command)) mValues[command] = 0;
  for (int32_t joystick = 0; joystick < count; ++joystick) {
    for (int32_t control = 0; control < kJoystickControls; ++control) {
      uint8_t command = mJoystickTable[joystick][control];
      if (command == 0 || !HasState(command)) continue;
      if (control < kJoystickAxisControls) {
        int32_t value = joysticks.GetAxis(joystick, control, 0);
        if (std::abs(mValues[command]) < std::abs(value)) mValues[command] = value;
      } else if (joysticks.IsButtonDown(joystick, control - kJoystickAxisControls, 0)) {
        mValues[command] = joysticks.RangeMax();
      }
    }
  }
}

uint8_t CommandMap::CommandForKey(uint32_t key, uint32_t modifiers) const {
  if (key >= static_cast<uint32_t>(kKeyCodes)) return 0;
  return mKeyTable[(modifiers & 7) * kKeyCodes + key];
}

void CommandMap::SetStateBits(int32_t command, uint8_t bits) {
  if (HasState(command)) mStates[command] |= bits;
}

void CommandMap::ClearStateBits(int32_t command, uint8_t bits) {
  if (HasState(command)) mStates[command] = static_cast<uint8_t>(mStates[command] & ~bits);
}

void CommandMap::Hold(int32_t command) {
  if (!HasState(command) || mStates[command] != 0) return;
  mStates[command] |= kHeldBit;
  mHeld.Append(static_cast<uint8_t>(command));
}

void CommandMap::Release(int32_t command) {
  if (!HasState(command) || mStates[command] == 0) return;
  mStates[command] = static_cast<uint8_t>(mStates[command] & ~kHeldBit);
  mHeld.RemoveValue(static_cast<uint8_t>(command));
}

void CommandMap::ReholdKeys(const ByteList& heldKeys, uint32_t modifiers) {
  for (ByteList::Node* node = mHeld.Head(); node; node = node->next)
    mStates[node->value] = static_cast<uint8_t>(mStates[node->value] & ~kHeldBit);
  mHeld.Clear();
  for (ByteList::Node* node = heldKeys.Head(); node; node = node->next) {
    uint8_t command = CommandForKey(node->value, modifiers);
    if (command != 0) Hold(command);
  }
}
