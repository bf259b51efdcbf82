#include "platform/KeyToggles.h"

#include "platform/VirtualKeys.h"

namespace platform {
namespace {

bool gCapsLock = false;
bool gNumLock = false;
bool gScrollLock = false;

bool* LockState(uint8_t virtualKey) {
  switch (virtualKey) {
    case VK_CAPITAL: return &gCapsLock;
    case VK_NUMLOCK: return &gNumLock;
    case VK_SCROLL: return &gScrollLock;
  }
  return nullptr;
}

}  // namespace

bool IsLockKeyOn(uint8_t virtualKey) {
  bool* state = LockState(virtualKey);
  return state && *state;
}

void SetLockKeyOn(uint8_t virtualKey, bool on) {
  if (bool* state = LockState(virtualKey)) *state = on;
}

}  // namespace platform
