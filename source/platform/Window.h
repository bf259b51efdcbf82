#pragma once
#include <cstdint>
#include <string>

#include "platform/WindowMessages.h"
#include "platform/WindowPicture.h"

namespace platform {

// The game's windows: each has a window procedure (from its class), a title, a style, an
// object link for the code that owns it, and a client area whose size is the size of the
// picture drawn into it. The desktop's window manager draws any frame outside the client
// area, so a window's rectangle is its client area on the screen. Main thread only.

using WindowProcedure = intptr_t (*)(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Style bits the window layer looks at; the rest are kept as given.
enum WindowStyle : uint32_t {
  WS_POPUP = 0x80000000,
  WS_VISIBLE = 0x10000000,
  WS_CAPTION = 0x00C00000,
  WS_BORDER = 0x00800000,
  WS_SYSMENU = 0x00080000,
  WS_THICKFRAME = 0x00040000,
  WS_MINIMIZEBOX = 0x00020000,
  WS_MAXIMIZEBOX = 0x00010000,
  WS_OVERLAPPEDWINDOW = 0x00CF0000,
};

// A class name gives every window of the class its procedure. Registering a name twice
// keeps the first registration.
void RegisterWindowClass(const std::string& className, WindowProcedure procedure);
bool IsWindowClassRegistered(const std::string& className);

// Creates a hidden window of a registered class; kNoWindow when the class is unknown or
// the desktop refuses the window. Without a display the window is headless.
WindowHandle CreateWindow(const std::string& className, const std::string& title, uint32_t style,
                          const Rect& bounds);
// Sends WM_DESTROY to the window, then removes it. Queued messages for it are dropped.
void DestroyWindow(WindowHandle window);
bool IsWindow(WindowHandle window);

void SetWindowUserData(WindowHandle window, void* data);
void* GetWindowUserData(WindowHandle window);
std::string GetWindowText(WindowHandle window);

// Calls the window's procedure at once and returns its result (0 when there is no window).
intptr_t SendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Delivers a message taken from the queue to its window, or to every window for
// kBroadcastWindow. Messages without a living window are dropped.
void DispatchMessage(const Message& message);
// What a window does with a message its procedure leaves alone: WM_CLOSE destroys it.
intptr_t DefWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Shows the window; it first asks the procedure for its size limits (WM_GETMINMAXINFO).
void ShowWindow(WindowHandle window);
// Hides the window; it keeps its picture for when it is shown again.
void HideWindow(WindowHandle window);
void SetFocus(WindowHandle window);
uint32_t GetWindowStyle(WindowHandle window);
void SetWindowStyle(WindowHandle window, uint32_t style);
// Moves and sizes the client area; the size is the picture's. Asks for the size limits again.
void SetWindowBounds(WindowHandle window, const Rect& bounds);
Rect GetWindowRect(WindowHandle window);
// The client area in picture coordinates: (0, 0, picture width, picture height).
Rect GetClientRect(WindowHandle window);
Point ClientToScreen(WindowHandle window, Point point);
// Full screen fills the desktop without changing its mode; the picture is letterboxed.
void SetWindowFullScreen(WindowHandle window, bool fullScreen);

// While a window holds the capture, the mouse keeps reporting to it outside its area.
void SetCapture(WindowHandle window);
void ReleaseCapture();
WindowHandle GetCapture();

// Presenting. The window keeps the last picture and colours it was given and shows them
// again whenever the desktop asks. The picture is width x height pixels, pitch bytes a row.
void PresentPicture(WindowHandle window, const uint8_t* pixels, int32_t pitch, Point size,
                    const std::array<Rgb, 256>& colours);
// Changes count colours from first and shows the kept picture through them.
void SetPictureColours(WindowHandle window, int32_t first, int32_t count, const Rgb* colours);
// Copies a rectangle of the kept picture to the place moved by (dx, dy), clipped to the
// picture, and shows it.
void MovePictureRect(WindowHandle window, const Rect& rect, int32_t dx, int32_t dy);
// The kept picture; false when the window has none yet.
bool GetWindowPicture(WindowHandle window, WindowPicture& picture);

}  // namespace platform
