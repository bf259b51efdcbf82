#include "platform/Window.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/Display.h"
#include "platform/NativeWindow.h"

namespace platform {
namespace {

struct WindowRecord {
  WindowProcedure procedure = nullptr;
  std::string title;
  uint32_t style = 0;
  Point picture;
  void* userData = nullptr;
  bool destroying = false;
  bool hasPicture = false;
  WindowPicture shown;
  std::unique_ptr<NativeWindow> native;
};

std::map<std::string, WindowProcedure> gClasses;
std::map<WindowHandle, WindowRecord> gWindows;
WindowHandle gLastHandle = kNoWindow;
WindowHandle gCapture = kNoWindow;

WindowRecord* Find(WindowHandle window) {
  auto found = gWindows.find(window);
  return found == gWindows.end() ? nullptr : &found->second;
}

WindowHandle NextHandle() {
  do {
    ++gLastHandle;
  } while (gLastHandle == kNoWindow || gLastHandle == kBroadcastWindow || gWindows.count(gLastHandle));
  return gLastHandle;
}

bool IsDecorated(uint32_t style) { return (style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME)) != 0; }
bool IsResizable(uint32_t style) { return (style & WS_THICKFRAME) != 0; }

// Asks the procedure how far the window may be resized and passes that to the desktop.
void ApplySizeLimits(WindowHandle window) {
  DesktopMode desktop = GetDesktopMode();
  MinMaxInfo limits;
  limits.maxSize = {desktop.width, desktop.height};
  limits.minTrackSize = {1, 1};
  limits.maxTrackSize = {desktop.width, desktop.height};
  SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&limits));
  if (WindowRecord* record = Find(window)) record->native->SetSizeLimits(limits.minTrackSize, limits.maxTrackSize);
}

}  // namespace

void RegisterWindowClass(const std::string& className, WindowProcedure procedure) {
  gClasses.emplace(className, procedure);
}

bool IsWindowClassRegistered(const std::string& className) { return gClasses.count(className) != 0; }

WindowHandle CreateWindow(const std::string& className, const std::string& title, uint32_t style,
                          const Rect& bounds) {
  auto windowClass = gClasses.find(className);
  if (windowClass == gClasses.end()) return kNoWindow;
  WindowHandle handle = NextHandle();
  std::unique_ptr<NativeWindow> native =
      CreateNativeWindow(handle, title, bounds, IsDecorated(style), IsResizable(style));
  if (!native) return kNoWindow;
  WindowRecord& record = gWindows[handle];
  record.procedure = windowClass->second;
  record.title = title;
  record.style = style;
  record.picture = {bounds.Width(), bounds.Height()};
  record.native = std::move(native);
  return handle;
}

void DestroyWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record || record->destroying) return;
  record->destroying = true;
  SendMessage(window, WM_DESTROY, 0, 0);
  if (gCapture == window) ReleaseCapture();
  gWindows.erase(window);
}

bool IsWindow(WindowHandle window) { return Find(window) != nullptr; }

void SetWindowUserData(WindowHandle window, void* data) {
  if (WindowRecord* record = Find(window)) record->userData = data;
}

void* GetWindowUserData(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->userData : nullptr;
}

std::string GetWindowText(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->title : std::string();
}

intptr_t SendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  WindowRecord* record = Find(window);
  if (!record) return 0;
  return record->procedure(window, message, wParam, lParam);
}

void DispatchMessage(const Message& message) {
  if (message.window != kBroadcastWindow) {
    SendMessage(message.window, message.message, message.wParam, message.lParam);
    return;
  }
  std::vector<WindowHandle> windows;
  for (const auto& entry : gWindows) windows.push_back(entry.first);
  for (WindowHandle window : windows) SendMessage(window, message.message, message.wParam, message.lParam);
}

intptr_t DefWindowProc(WindowHandle window, uint32_t message, uintptr_t, intptr_t) {
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

void ShowWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record) return;
  record->style |= WS_VISIBLE;
  ApplySizeLimits(window);
  if ((record = Find(window))) record->native->Show();
}

void HideWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record) return;
  record->style &= ~WS_VISIBLE;
  record->native->Hide();
}

void SetFocus(WindowHandle window) {
  if (WindowRecord* record = Find(window)) record->native->Raise();
}

uint32_t GetWindowStyle(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->style : 0;
}

void SetWindowStyle(WindowHandle window, uint32_t style) {
  WindowRecord* record = Find(window);
  if (!record) return;
  record->style = style;
  record->native->SetFrame(IsDecorated(style), IsResizable(style));
}

void SetWindowBounds(WindowHandle window, const Rect& bounds) {
  WindowRecord* record = Find(window);
  if (!record) return;
  record->picture = {bounds.Width(), bounds.Height()};
  record->native->SetBounds(bounds);
  ApplySizeLimits(window);
}

Rect GetWindowRect(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record) return {};
  Point position = record->native->Position();
  return {position.x, position.y, position.x + record->picture.x, position.y + record->picture.y};
}

Rect GetClientRect(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record) return {};
  return {0, 0, record->picture.x, record->picture.y};
}

Point ClientToScreen(WindowHandle window, Point point) {
  Rect bounds = GetWindowRect(window);
  return {point.x + bounds.left, point.y + bounds.top};
}

void SetWindowFullScreen(WindowHandle window, bool fullScreen) {
  if (WindowRecord* record = Find(window)) record->native->SetFullScreen(fullScreen);
}

void SetCapture(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (!record) return;
  if (gCapture != kNoWindow && gCapture != window) ReleaseCapture();
  gCapture = window;
  record->native->CaptureMouse(true);
}

void ReleaseCapture() {
  if (WindowRecord* record = Find(gCapture)) record->native->CaptureMouse(false);
  gCapture = kNoWindow;
}

WindowHandle GetCapture() { return gCapture; }


void PresentPicture(WindowHandle window, const uint8_t* pixels, int32_t pitch, Point size,
                    const std::array<Rgb, 256>& colours) {
  WindowRecord* record = Find(window);
  if (!record || !pixels || size.x <= 0 || size.y <= 0 || pitch < size.x) return;
  WindowPicture& shown = record->shown;
  shown.size = size;
  shown.colours = colours;
  shown.pixels.resize(static_cast<size_t>(size.x) * static_cast<size_t>(size.y));
  for (int32_t y = 0; y < size.y; ++y) {
    std::memcpy(&shown.pixels[static_cast<size_t>(y) * size.x], pixels + static_cast<ptrdiff_t>(y) * pitch,
                static_cast<size_t>(size.x));
  }
  record->hasPicture = true;
  record->native->Present(shown);
}

void SetPictureColours(WindowHandle window, int32_t first, int32_t count, const Rgb* colours) {
  WindowRecord* record = Find(window);
  if (!record || !colours || first < 0 || count <= 0 || first > 256 || count > 256 - first) return;
  std::copy(colours, colours + count, record->shown.colours.begin() + first);
  if (record->hasPicture) record->native->Present(record->shown);
}

void MovePictureRect(WindowHandle window, const Rect& rect, int32_t dx, int32_t dy) {
  WindowRecord* record = Find(window);
  if (!record || !record->hasPicture) return;
  WindowPicture& shown = record->shown;
  const std::vector<uint8_t> before = shown.pixels;
  const Rect from{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, shown.size.x),
                  std::min(rect.bottom, shown.size.y)};
  for (int32_t y = from.top; y < from.bottom; ++y) {
    const int64_t toY = int64_t{y} + dy;
    if (toY < 0 || toY >= shown.size.y) continue;
    for (int32_t x = from.left; x < from.right; ++x) {
      const int64_t toX = int64_t{x} + dx;
      if (toX < 0 || toX >= shown.size.x) continue;
      shown.pixels[static_cast<size_t>(toY * shown.size.x + toX)] = before[static_cast<size_t>(y) * shown.size.x + x];
    }
  }
  record->native->Present(shown);
}

bool GetWindowPicture(WindowHandle window, WindowPicture& picture) {
  WindowRecord* record = Find(window);
  if (!record || !record->hasPicture) return false;
  picture = record->shown;
  return true;
}

}  // namespace platform
