#pragma once
#include <cstdint>

// The windows' turn at a key, between the application's map and the play screen's: the
// window manager of the screens answers here. Non-zero when a window took the key.
class KeyWindows {
public:
  virtual ~KeyWindows() = default;
  virtual int32_t OnKeyDown(uint32_t key, uint32_t modifiers) = 0;
  virtual int32_t OnKeyUp(uint32_t key, uint32_t modifiers) = 0;
};
