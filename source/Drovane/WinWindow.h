#pragma once
#include <cstdint>

#include "platform/Cursor.h"
#include "platform/WindowMessages.h"

class CBackBuffer;
class Comander;

// The class of the framework's top-level windows.
inline constexpr const char* kWindowClassName = "Drovane";

// The framework's top-level window: it keeps the window, its size, the receiver of its
// input and its pointer, and answers the basic messages. The window's procedure finds the
// object through the window's object link.
class WinWindow {
public:
  WinWindow() = default;
  // Cuts the window's link to the object before destroying it, so the object receives no
  // message of its own destruction.
  virtual ~WinWindow();
  WinWindow(const WinWindow&) = delete;
  WinWindow& operator=(const WinWindow&) = delete;

  // The client size; 0, or kErrorFailure with both 0 when there is no window.
  virtual uint32_t GetClientSize(int32_t* pWidth, int32_t* pHeight);
  // Id 0 shows the system's arrow pointer; any other id the ".cur" pointer of that
  // program resource, which replaces the one loaded before. 0 when a pointer was shown,
  // kErrorCursor (mhCursor null) when the resource is missing or not a pointer.
  virtual uint32_t SetCursorResource(uint32_t resourceId);
  // Presents the back buffer into the window.
  virtual uint32_t Redraw();
  // Locks the back buffer and swaps it into this window. 0.
  virtual uint32_t PresentBuffer();
  // Presents a rectangle of the back buffer so that it slides up from its bottom edge in
  // tenths of its height. kErrorFailure, drawing nothing, for fewer than 10 rows.
  virtual uint32_t RollInRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Sets colours first to first + count - 1 (0x00RRGGBB, taken from entries[first]) of
  // the picture the window shows.
  virtual void SetPaletteEntries(int32_t first, int32_t count, const uint32_t* entries);
  // Text straight onto the screen's primary surface at (x, y) in a box 2 pixels wider on
  // each side, kept inside the client area: flag 1 centres it on x, flag 2 on y, flag 4
  // fills the box white first. The box's edges go to the four pointers when all are given.
  // 0, or kErrorFailure without a window.
  uint32_t DrawText(const char* text, uint32_t flags, int32_t x, int32_t y, int32_t* pLeft, int32_t* pTop,
                    int32_t* pRight, int32_t* pBottom);
  // Moves a rectangle of the shown picture by (dx, dy). kErrorFailure without a window.
  uint32_t BlitToWindow(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t dx, int32_t dy);
  virtual uint32_t OnPrepare();
  // Shows pointer index (0 to 15) of mCursors; kErrorCursor for an empty entry.
  uint32_t SetCursorIndex(int32_t index);
  // The buffer presented into this window (not owned); returns the one before.
  CBackBuffer* SetBackBuffer(CBackBuffer* buffer);
  virtual intptr_t HandleMessage(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam);

  // Binds a new receiver: the old one is unbound first. Returns the old one, or null (and
  // changes nothing) when this receiver is bound already.
  Comander* SetComander(Comander* commander);

  int32_t mHeight = 0;
  int32_t mWidth = 0;
  uint32_t mStyleFlags = 0;
  Comander* mpComander = nullptr;
  platform::WindowHandle mWindow = platform::kNoWindow;
  platform::CursorHandle mhCursor = nullptr;
  // Owned: deleted when replaced and by the destructor.
  platform::CursorHandle mhResourceCursor = nullptr;
  // A pointer set chosen by index; every entry is owned.
  platform::CursorHandle mCursors[16] = {};
  CBackBuffer* mpBackBuffer = nullptr;

private:
  // The pointer of a program resource; null when it is missing or bad.
  static platform::CursorHandle LoadCursorResource(uint32_t resourceId);
};

// The procedure of the class "Drovane": hands each message to the window's object, or to
// the default handling when the window has none.
intptr_t WinWindowProc(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
