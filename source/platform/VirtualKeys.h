#pragma once
#include <cstdint>

namespace platform {

// Virtual-key codes of the keys the game knows. Letters and digits are their upper-case
// ASCII codes ('A' to 'Z', '0' to '9').
enum VirtualKey : uint8_t {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,  // Alt
  VK_PAUSE = 0x13,
  VK_CAPITAL = 0x14,  // Caps Lock
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,  // Page Up
  VK_NEXT = 0x22,   // Page Down
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_SNAPSHOT = 0x2C,  // Print Screen
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  VK_LWIN = 0x5B,
  VK_RWIN = 0x5C,
  VK_APPS = 0x5D,
  VK_NUMPAD0 = 0x60,
  VK_MULTIPLY = 0x6A,
  VK_ADD = 0x6B,
  VK_SUBTRACT = 0x6D,
  VK_DECIMAL = 0x6E,
  VK_DIVIDE = 0x6F,
  VK_F1 = 0x70,
  VK_F4 = 0x73,
  VK_F10 = 0x79,
  VK_F12 = 0x7B,
  VK_NUMLOCK = 0x90,
  VK_SCROLL = 0x91,
  VK_OEM_1 = 0xBA,       // ;:
  VK_OEM_PLUS = 0xBB,    // =+
  VK_OEM_COMMA = 0xBC,   // ,<
  VK_OEM_MINUS = 0xBD,   // -_
  VK_OEM_PERIOD = 0xBE,  // .>
  VK_OEM_2 = 0xBF,       // /?
  VK_OEM_3 = 0xC0,       // `~
  VK_OEM_4 = 0xDB,       // [{
  VK_OEM_5 = 0xDC,       // \|
  VK_OEM_6 = 0xDD,       // ]}
  VK_OEM_7 = 0xDE,       // '"
};

}  // namespace platform
