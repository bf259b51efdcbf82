#pragma once
#include <cstdint>

namespace platform {

// The on/off state of the lock keys (Caps Lock, Num Lock, Scroll Lock) by virtual key.
// The window's input keeps it current; tests set it themselves.
bool IsLockKeyOn(uint8_t virtualKey);
void SetLockKeyOn(uint8_t virtualKey, bool on);

}  // namespace platform
