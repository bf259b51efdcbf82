#pragma once
#include <cstdint>
#include <vector>

// One binding of a key or a joystick control to a game command, as the key-binding file
// stores it (six signed 32-bit words, little-endian).
struct KeyBinding {
  int32_t device = 0;     // 0 keyboard; 1 to 4 the joystick's number
  int32_t command = 0;    // game command id
  int32_t control = 0;    // keyboard: virtual-key code; joystick: 0-5 axes X Y Z R U V, 6-13 buttons 0-7
  int32_t modifiers = 0;  // 1 Shift, 2 Control, 4 Alt
  int32_t singlePress = 0;
  int32_t continuous = 0;
  bool operator==(const KeyBinding&) const = default;
};

using KeyBindingList = std::vector<KeyBinding>;

constexpr int32_t kKeyboardDevice = 0;
constexpr int32_t kJoystickDevices = 4;
constexpr int32_t kJoystickControls = 14;
constexpr int32_t kJoystickAxisControls = 6;
constexpr int32_t kKeyCodes = 256;

// The two class words of a command: single-press (3, 4, 5, 20-25) or continuous (2, 6-13,
// 19); any other id is neither. Returns 1.
int32_t ClassifyCommand(int32_t command, int32_t* singlePress, int32_t* continuous);
// The other command of an opposite pair (6/7, 8/9, 10/11, 12/13, 14/15, 17/18, 27/28, 29/30,
// 31/32); 0 for any other id.
int32_t GetOppositeCommand(int32_t command);
// Whether the player may bind the command and the file may store it: 2 to 32.
bool IsBindableCommand(int32_t command);
// Num Lock, Print Screen, Esc, Control and Alt: never the player's to bind.
bool IsReservedKey(int32_t key);
// The reserved keys, ended by a 0.
void GetReservedKeys(std::vector<int32_t>& keys);
// Whether a binding read from the file may be used: a keyboard key 0-255 that is not
// reserved or a joystick control 0-13, no modifiers, a bindable command. An accepted
// binding gets its class words from its command.
bool IsValidKeyBinding(KeyBinding& binding);
// Appends the built-in bindings: 34 keys, then nine controls for each of the four joysticks.
void MakeDefaultKeyBindings(KeyBindingList& list);
