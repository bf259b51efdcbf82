#pragma once
#include <cstdint>

class WinWindow;

// The receiver of a top-level window's input. The window interprets nothing itself: it
// hands keys, mouse events and activation to the one receiver bound to it.
class CommandTarget {
public:
  CommandTarget() = default;
  virtual ~CommandTarget() = default;
  CommandTarget(const CommandTarget&) = delete;
  CommandTarget& operator=(const CommandTarget&) = delete;

  // WM_KEYDOWN of a plain window (WinWindow): the key and the low word of the key data.
  virtual int32_t OnKeyDown(uint32_t virtualKey, uint32_t keyData) = 0;
  virtual int32_t OnMouseDown(int32_t x, int32_t y) = 0;
  virtual int32_t OnMouseUp(int32_t x, int32_t y) = 0;
  virtual int32_t OnMouseMove(int32_t x, int32_t y) = 0;
  virtual int32_t Activate() = 0;
  virtual int32_t Deactivate() = 0;

  // Binds the receiver to a window; returns the window bound before, or null when this
  // window was bound already (nothing changes then).
  WinWindow* SetWindow(WinWindow* window);

  WinWindow* mpWindow = nullptr;
};

// The default receiver: it ignores input and shows the arrow pointer on activation. The
// main window also hands it the operations below, which the game's commander overrides.
class Comander : public CommandTarget {
public:
  int32_t OnKeyDown(uint32_t, uint32_t) override { return 0; }
  int32_t OnMouseDown(int32_t, int32_t) override { return 0; }
  int32_t OnMouseUp(int32_t, int32_t) override { return 0; }
  int32_t OnMouseMove(int32_t, int32_t) override { return 0; }
  // Shows the arrow pointer in the bound window; returns the window's answer.
  int32_t Activate() override;
  int32_t Deactivate() override { return 0; }

  // WM_SETFOCUS of the main window: it gained the keyboard focus, so keys held while
  // another window had it are to be forgotten.
  virtual int32_t OnFocusLost() { return 0; }
  // WM_KEYDOWN and WM_SYSKEYDOWN (but Alt+F4) of the main window: the virtual key alone.
  virtual int32_t OnKeyDown(uint32_t) { return 0; }
  virtual int32_t OnKeyUp(uint32_t) { return 0; }
  virtual int32_t OnChar(uint32_t) { return 0; }
  virtual int32_t OnLeftButtonDown(int32_t, int32_t) { return 0; }
  virtual int32_t OnLeftButtonUp(int32_t, int32_t) { return 0; }
  virtual int32_t OnRightButtonDown(int32_t, int32_t) { return 0; }
  virtual int32_t OnRightButtonUp(int32_t, int32_t) { return 0; }
  // The window's close box or Alt+F4: the window is never closed by itself.
  virtual int32_t OnCloseRequest() { return 0; }
};
