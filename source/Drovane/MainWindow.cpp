#include "Drovane/MainWindow.h"

#include "Drovane/Comander.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/ScreenBuffer.h"
#include "platform/Display.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

using namespace platform;

uint32_t MainWindowStyle(uint32_t styleFlags) {
  uint32_t style;
  if (styleFlags & 1) {
    style = WS_THICKFRAME;
  } else if (styleFlags & 4) {
    style = WS_BORDER;
  } else {
    style = WS_POPUP;
  }
  if (styleFlags & 2) style |= WS_CAPTION;
  if (styleFlags & 8) style |= WS_CAPTION | WS_SYSMENU;
  if (styleFlags & 16) style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  return style;
}

MainWindow::MainWindow(int32_t width, int32_t height, uint32_t styleFlags, const char* title)
    : mTitle(title ? title : "") {
  mWidth = width;
  mHeight = height;
  mStyleFlags = styleFlags;
  if (!IsWindowClassRegistered(kWindowClassName)) RegisterWindowClass(kWindowClassName, WinWindowProc);
  // A failed creation shows in the window handle staying empty.
  Create();
}

uint32_t MainWindow::Create() {
  if (mWindow != kNoWindow) return kErrorFailure;
  mWindowRect = {0, 0, mWidth, mHeight};
  CenterRectOnScreen(mWindowRect);
  mInitialRect = mWindowRect;
  mWindow = CreateWindow(kWindowClassName, mTitle, MainWindowStyle(mStyleFlags), mWindowRect);
  if (mWindow == kNoWindow) return kErrorFailure;
  SetWindowUserData(mWindow, this);
  ShowWindow(mWindow);
  SetFocus(mWindow);
  return kNoError;
}

void MainWindow::CenterRectOnScreen(Rect& rect) const {
  DesktopMode screen = GetDesktopMode();
  uint32_t width = static_cast<uint32_t>(rect.Width());
  uint32_t height = static_cast<uint32_t>(rect.Height());
  rect.left = static_cast<int32_t>(static_cast<uint32_t>(screen.width) / 2 - width / 2);
  rect.top = static_cast<int32_t>(static_cast<uint32_t>(screen.height) / 2 - height / 2);
  rect.right = rect.left + static_cast<int32_t>(width);
  rect.bottom = rect.top + static_cast<int32_t>(height);
}

void MainWindow::CenterOnScreen() {
  CenterRectOnScreen(mWindowRect);
  SetWindowBounds(mWindow, mWindowRect);
}

void MainWindow::UpdateScreenRects() {
  mWindowRect = GetWindowRect(mWindow);
  Rect client = GetClientRect(mWindow);
  Point topLeft = ClientToScreen(mWindow, {client.left, client.top});
  Point bottomRight = ClientToScreen(mWindow, {client.right, client.bottom});
  mClientScreenRect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  if (auto* screen = dynamic_cast<ScreenBuffer*>(mpBackBuffer)) screen->SetDisplayRect(mClientScreenRect);
}

uint32_t MainWindow::Redraw() { return PresentBuffer(); }

uint32_t MainWindow::PresentBuffer() {
  if (!mpBackBuffer) return kNoError;
  while (mpBackBuffer->Unlock() != 0) {
  }
  mpBackBuffer->Swap(nullptr, 0, 0);
  return kNoError;
}

void MainWindow::SetPaletteEntries(int32_t first, int32_t count, const uint32_t* entries) {
  if (mpBackBuffer) mpBackBuffer->SetPaletteEntries(first, count, entries);
}

int32_t MainWindow::Prepare() {
  OnPrepare();
  return 1;
}

int32_t MainWindow::SetWindowedStyle() {
  uint32_t style = (GetWindowStyle(mWindow) & ~WS_POPUP) | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX;
  SetWindowStyle(mWindow, style);
  mWindowRect = {0, 0, mWidth, mHeight};
  CenterRectOnScreen(mWindowRect);
  mInitialRect = mWindowRect;
  SetWindowFullScreen(mWindow, false);
  SetWindowBounds(mWindow, mWindowRect);
  return 1;
}

int32_t MainWindow::SetFullScreenStyle() {
  mStyleFlags = 0;
  SetWindowStyle(mWindow, WS_POPUP | WS_VISIBLE);
  SetWindowFullScreen(mWindow, true);
  mWindowRect = {0, 0, mWidth, mHeight};
  mInitialRect = mWindowRect;
  SetWindowBounds(mWindow, mWindowRect);
  return 1;
}

int32_t MainWindow::WillSwitchToWindowed() { return 1; }

int32_t MainWindow::WillSwitchToFullScreen() { return 1; }

void MainWindow::SetLiveTuning(uint32_t message, std::function<void()> reload) {
  mTuningMessage = message;
  mTuningReload = std::move(reload);
}

intptr_t MainWindow::OnGetMinMaxInfo(intptr_t lParam) const {
  auto* limits = reinterpret_cast<MinMaxInfo*>(lParam);
  Point size{mInitialRect.Width(), mInitialRect.Height()};
  limits->maxSize = size;
  limits->minTrackSize = size;
  limits->maxTrackSize = size;
  limits->maxPosition = {mInitialRect.left, mInitialRect.top};
  return 0;
}

intptr_t MainWindow::HandleMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (mTuningMessage != 0 && message == mTuningMessage) {
    if (mTuningReload) mTuningReload();
    return 0;
  }
  uint32_t key = static_cast<uint32_t>(wParam);
  int32_t x = GetXLParam(lParam);
  int32_t y = GetYLParam(lParam);
  Comander* commander = mpComander;
  switch (message) {
    case WM_SETCURSOR:
      if (LowWord(static_cast<uintptr_t>(lParam)) != HTCLIENT) break;
      SetCursorResource(0);
      return 1;
    case WM_PALETTECHANGED:
      if (static_cast<WindowHandle>(wParam) == window) return 0;
      [[fallthrough]];
    case WM_ACTIVATEAPP:
    case WM_QUERYNEWPALETTE:
      // Another program may have disturbed the screen palette; the application's active
      // bit is left alone.
      if (auto* screen = dynamic_cast<ScreenBuffer*>(mpBackBuffer)) screen->SetPalette();
      return 0;
    case WM_KEYDOWN:
      if (commander) commander->OnKeyDown(key);
      return 0;
    case WM_KEYUP:
      if (commander) commander->OnKeyUp(key);
      return 0;
    case WM_CHAR:
      if (commander) commander->OnChar(key);
      return 0;
    case WM_SYSKEYDOWN:
      if (!commander) return 0;
      if (key == VK_F4) {
        commander->OnCloseRequest();
      } else {
        commander->OnKeyDown(key);
      }
      return 0;
    case WM_SYSKEYUP:
      if (commander && key != VK_F4) commander->OnKeyUp(key);
      return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_LBUTTONDOWN:
      SetCapture(window);
      if (commander) commander->OnLeftButtonDown(x, y);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window) ReleaseCapture();
      if (commander) commander->OnLeftButtonUp(x, y);
      return 0;
    case WM_RBUTTONDOWN:
      SetCapture(window);
      if (commander) commander->OnRightButtonDown(x, y);
      return 0;
    case WM_RBUTTONUP:
      if (GetCapture() == window) ReleaseCapture();
      if (commander) commander->OnRightButtonUp(x, y);
      return 0;
    case WM_CLOSE:
      if (commander) commander->OnCloseRequest();
      return 0;
    case WM_DESTROY:
      mWindow = kNoWindow;
      break;
    case WM_MOVE:
    case WM_SIZE:
      UpdateScreenRects();
      return 0;
    case WM_SETFOCUS:
      if (commander) commander->OnFocusLost();
      return 0;
    default:
      break;
  }
  return WinWindow::HandleMessage(window, message, wParam, lParam);
}
