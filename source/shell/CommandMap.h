#pragma once
#include <array>
#include <cstdint>

#include "Drovane/ByteList.h"
#include "game/KeyBinding.h"

class JoystickManager;

// Turns keys (under their modifiers) and joystick controls into game commands, and keeps
// for every command id 0-99 whether it is held and how strongly a joystick drives it.
// Ids 100 and above (the debug commands) may stand in the key table but have no state.
class CommandMap {
public:
  static constexpr int32_t kCommands = 100;
  static constexpr int32_t kKeyRows = 8;
  static constexpr uint8_t kHeldBit = 1;

  CommandMap() { ClearAll(); }

  // Zeroes every state and flag byte, both tables and the values.
  void ClearAll();
  // Every state byte 0 and the held list empty.
  void ClearStates();
  // Clears one state bit (0-7) of every command and empties the held list.
  void ClearStateBit(int32_t bit);
  // Fills the tables from the binding list; a later binding wins its key or control.
  void RebuildTables();
  // Each bound command's value becomes the strongest fresh axis reading of any present
  // joystick, with its sign, or the range's upper end for a pressed button.
  void PollJoysticks(const JoystickManager& joysticks);

  // The command bound to the key under the modifier mask; 0 for none, or a key outside 0-255.
  uint8_t CommandForKey(uint32_t key, uint32_t modifiers) const;
  uint8_t CommandForControl(int32_t joystick, int32_t control) const { return mJoystickTable[joystick][control]; }

  // State, single-press flag and value of a command; 0 for an id outside 0-99.
  uint8_t GetState(int32_t command) const { return HasState(command) ? mStates[command] : 0; }
  uint8_t GetSinglePress(int32_t command) const { return HasState(command) ? mSinglePress[command] : 0; }
  int32_t GetValue(int32_t command) const { return HasState(command) ? mValues[command] : 0; }
  // Sets or clears state bits (bit 0x20: a cockpit button holds the command with the mouse).
  void SetStateBits(int32_t command, uint8_t bits);
  void ClearStateBits(int32_t command, uint8_t bits);

  // Sets the held bit of a command that is idle, appending it to the held list.
  void Hold(int32_t command);
  // Clears the held bit of a command that is on, removing it from the held list.
  void Release(int32_t command);
  // Drops every held command, then holds what the held keys give under the modifiers.
  void ReholdKeys(const ByteList& heldKeys, uint32_t modifiers);

  KeyBindingList& Bindings() { return mBindings; }
  const KeyBindingList& Bindings() const { return mBindings; }
  const ByteList& HeldCommands() const { return mHeld; }

private:
  static bool HasState(int32_t command) { return command >= 0 && command < kCommands; }
  void EnterKeyBinding(const KeyBinding& binding);

  std::array<uint8_t, kCommands> mStates{};
  std::array<uint8_t, kCommands> mSinglePress{};
  ByteList mHeld;
  KeyBindingList mBindings;
  std::array<uint8_t, kKeyRows * kKeyCodes> mKeyTable{};
  std::array<std::array<uint8_t, kJoystickControls>, kJoystickDevices> mJoystickTable{};
  std::array<int32_t, kCommands> mValues{};
};
