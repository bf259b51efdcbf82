#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowMessages.h"
#include "platform/WindowPicture.h"

namespace platform {

// The desktop side of one window: SDL's window on a display, or a record of its own in a
// headless run. The window layer (Window.h) keeps the game's view of the window and
// drives this through the operations below.
class NativeWindow {
public:
  virtual ~NativeWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Raise() = 0;
  // Places the client area on the screen; its size is the picture's size.
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual Point Position() const = 0;
  // The size of the area the picture is shown in; larger than the picture at full screen.
  virtual Point PixelSize() const = 0;
  virtual void SetFrame(bool decorated, bool resizable) = 0;
  virtual void SetSizeLimits(Point minimum, Point maximum) = 0;
  // Full screen fills the desktop without changing its mode; the picture is letterboxed.
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual void CaptureMouse(bool capture) = 0;
  // Shows the picture through its colours, placed by FitPicture in the window's area.
  virtual void Present(const WindowPicture& picture) = 0;
};

// A window on the display when there is one, else a headless one.
std::unique_ptr<NativeWindow> CreateNativeWindow(WindowHandle window, const std::string& title,
                                                 const Rect& bounds, bool decorated, bool resizable);
std::unique_ptr<NativeWindow> CreateHeadlessWindow(const Rect& bounds);

// Takes in every pending event of the display's windows as the game's messages.
void PumpNativeEvents(std::vector<Message>& messages);

}  // namespace platform
