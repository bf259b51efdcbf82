#pragma once
#include <cstdint>

namespace platform {

// A window of the window layer; 0 is none.
using WindowHandle = uint32_t;
constexpr WindowHandle kNoWindow = 0;
// Posted to this handle, a message reaches every window.
constexpr WindowHandle kBroadcastWindow = 0xFFFF;

// One message of the queue, as the game's message loop and window procedures see it.
struct Message {
  WindowHandle window = kNoWindow;
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

// The message numbers the game uses.
enum WindowMessage : uint32_t {
  WM_NULL = 0x0000,
  WM_DESTROY = 0x0002,
  WM_MOVE = 0x0003,
  WM_SIZE = 0x0005,
  WM_ACTIVATE = 0x0006,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUIT = 0x0012,
  WM_ACTIVATEAPP = 0x001C,
  WM_FONTCHANGE = 0x001D,
  WM_SETCURSOR = 0x0020,
  WM_GETMINMAXINFO = 0x0024,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_VSCROLL = 0x0115,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_QUERYNEWPALETTE = 0x030F,
  WM_PALETTECHANGED = 0x0311,
};

// Registered window messages take ids from this range.
constexpr uint32_t kFirstRegisteredMessage = 0xC000;
constexpr uint32_t kLastRegisteredMessage = 0xFFFF;

// WM_VSCROLL's codes (low word of wParam); the position is in the high word.
constexpr uint32_t SB_LINEUP = 0;
constexpr uint32_t SB_LINEDOWN = 1;
constexpr uint32_t SB_PAGEUP = 2;
constexpr uint32_t SB_PAGEDOWN = 3;
constexpr uint32_t SB_THUMBPOSITION = 4;
constexpr uint32_t SB_THUMBTRACK = 5;

// WM_ACTIVATE's low word of wParam.
constexpr uint32_t WA_INACTIVE = 0;
constexpr uint32_t WA_ACTIVE = 1;

// WM_SETCURSOR's hit-test code (low word of lParam) for the client area.
constexpr uint32_t HTCLIENT = 1;

// Key messages' lParam: repeat count in the low word, the scan code above it, then flags.
constexpr intptr_t kKeyAltHeld = 1 << 29;
constexpr intptr_t kKeyWasDown = 1 << 30;
constexpr intptr_t kKeyReleased = static_cast<intptr_t>(1u << 31);

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// WM_GETMINMAXINFO's record, filled in by the window procedure.
struct MinMaxInfo {
  Point reserved;
  Point maxSize;
  Point maxPosition;
  Point minTrackSize;
  Point maxTrackSize;
};

// Two 16-bit words in one message parameter, the first in the low word.
inline intptr_t MakeLParam(int32_t low, int32_t high) {
  uint32_t packed = (static_cast<uint32_t>(low) & 0xFFFF) | ((static_cast<uint32_t>(high) & 0xFFFF) << 16);
  return static_cast<intptr_t>(packed);
}
inline uint32_t LowWord(uintptr_t value) { return static_cast<uint32_t>(value & 0xFFFF); }
inline uint32_t HighWord(uintptr_t value) { return static_cast<uint32_t>((value >> 16) & 0xFFFF); }

// Mouse positions are signed: a captured drag left of or above the picture reads negative.
inline int32_t GetXLParam(intptr_t lParam) { return static_cast<int16_t>(LowWord(static_cast<uintptr_t>(lParam))); }
inline int32_t GetYLParam(intptr_t lParam) { return static_cast<int16_t>(HighWord(static_cast<uintptr_t>(lParam))); }

}  // namespace platform
