#include "platform/Window.h"

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

}  // namespace platform
