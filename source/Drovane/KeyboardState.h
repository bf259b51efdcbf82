#pragma once
#include <cstdint>

#include "Drovane/ByteList.h"

// Modifier mask bits: Shift (virtual key 16), Control (17), Alt (18).
constexpr uint32_t kModifierShift = 1;
constexpr uint32_t kModifierControl = 2;
constexpr uint32_t kModifierAlt = 4;

// Which virtual keys are held, in the order they were pressed, and which modifiers are
// down. The game's commander keeps it current from the main window's key messages. Keys
// are virtual-key codes; only their low 8 bits count.
class KeyboardState {
public:
  KeyboardState() { ClearAll(); }

  int32_t IsKeyDown(uint32_t key) const { return mKeyDown[key & 0xFF]; }
  // True when the key is held and the modifiers held are exactly the mask.
  bool IsKeyComboDown(uint32_t key, uint32_t mask) const;
  // A repeated key-down changes nothing.
  void SetKeyDown(uint32_t key);
  void SetKeyUp(uint32_t key);
  void ClearAll();
  static int32_t IsModifierKey(uint32_t key);
  uint32_t GetModifiers() const;

  const ByteList& HeldKeys() const { return mHeldKeys; }

private:
  ByteList mHeldKeys;
  uint8_t mKeyDown[256];
};

extern KeyboardState gKeyboardState;

// The held modifiers of gKeyboardState masked with the mask: non-zero while any is held.
uint32_t IsModifierDown(uint32_t mask);
