#pragma once
#include <functional>
#include <string>

#include "Drovane/WinWindow.h"
#include "platform/WindowMessages.h"

// The one window of the game. It creates itself centred on the screen, pins its size,
// switches between the full-screen and the windowed style, hands every input message to
// the game's commander and answers the live-tuning message.
class MainWindow : public WinWindow {
public:
  // Style flags: bit 0 a sizing frame, else bit 2 a border, else a pop-up; bit 1 a caption;
  // bit 3 a caption and system menu; bit 4 the system menu and minimise and maximise boxes.
  // The game uses 0 for full screen and 0x1B for a window.
  MainWindow(int32_t width, int32_t height, uint32_t styleFlags, const char* title);

  intptr_t HandleMessage(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;

  // Releases every outstanding lock of the back buffer and presents it. 0.
  uint32_t Redraw() override;
  uint32_t PresentBuffer() override;
  // Sets colours of the back buffer's palette.
  void SetPaletteEntries(int32_t first, int32_t count, const uint32_t* entries) override;
  // Called once the screen buffer exists. 1.
  int32_t Prepare();

  // Creates and shows the window; kErrorFailure when it exists already or cannot be made.
  uint32_t Create();
  // Records the window and client rectangles on the screen and gives the client's to the
  // screen buffer as its display rectangle.
  void UpdateScreenRects();
  void CenterOnScreen();
  void CenterRectOnScreen(platform::Rect& rect) const;
  // The window's style for each mode; the window also leaves or enters the desktop's full
  // screen. 1.
  int32_t SetWindowedStyle();
  int32_t SetFullScreenStyle();
  // Told before a display switch begins. 1.
  int32_t WillSwitchToWindowed();
  int32_t WillSwitchToFullScreen();

  // The registered live-tuning message and what it runs: each such message re-reads the
  // tuning once. Start-up hands these over; without them the message means nothing.
  void SetLiveTuning(uint32_t message, std::function<void()> reload);

  platform::Rect mInitialRect;
  platform::Rect mWindowRect;
  platform::Rect mClientScreenRect;
  std::string mTitle;

private:
  intptr_t OnGetMinMaxInfo(intptr_t lParam) const;

  uint32_t mTuningMessage = 0;
  std::function<void()> mTuningReload;
};

// The window style of a main window's style flags.
uint32_t MainWindowStyle(uint32_t styleFlags);
