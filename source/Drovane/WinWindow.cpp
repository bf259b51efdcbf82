#include "Drovane/WinWindow.h"

#include "Drovane/Application.h"
#include "Drovane/Comander.h"
#include "Drovane/CursorFile.h"
#include "Drovane/DebugLog.h"
#include "Drovane/RawResource.h"
#include "Drovane/ErrorReport.h"
#include "platform/Window.h"

using namespace platform;

namespace {

void SetApplicationFlag(uint32_t flag, bool on) {
  if (!gpApplication) return;
  if (on) {
    gpApplication->mFlags |= flag;
  } else {
    gpApplication->mFlags &= ~flag;
  }
}

}  // namespace

WinWindow::~WinWindow() {
  if (mpComander) mpComander->SetWindow(nullptr);
  for (CursorHandle& cursor : mCursors) DestroyCursor(cursor);
  DestroyCursor(mhResourceCursor);
  if (mWindow == kNoWindow) return;
  SetWindowUserData(mWindow, nullptr);
  DestroyWindow(mWindow);
}

uint32_t WinWindow::GetClientSize(int32_t* pWidth, int32_t* pHeight) {
  if (!pWidth || !pHeight) return kErrorFailure;
  *pWidth = 0;
  *pHeight = 0;
  if (mWindow == kNoWindow) return kErrorFailure;
  Rect client = GetClientRect(mWindow);
  *pWidth = client.Width();
  *pHeight = client.Height();
  return kNoError;
}

uint32_t WinWindow::SetCursorResource(uint32_t resourceId) {
  if (resourceId == 0) {
    mhCursor = LoadArrowCursor();
  } else {
    mhCursor = LoadCursorResource(resourceId & 0xFFFF);
    if (mhCursor) {
      DestroyCursor(mhResourceCursor);
      mhResourceCursor = mhCursor;
    }
  }
  if (!mhCursor) return kErrorCursor;
  SetCursor(mhCursor);
  return kNoError;
}

CursorHandle WinWindow::LoadCursorResource(uint32_t resourceId) {
  RawResource resource(resourceId, true);
  if (!resource.GetData()) return nullptr;
  CursorImage image;
  std::string badField;
  if (!ReadCursorFile(static_cast<const uint8_t*>(resource.GetData()), resource.GetSize(), image, badField)) {
    DebugPrintf("Bad cursor resource %u: %s.", resourceId, badField.c_str());
    return nullptr;
  }
  return CreateMaskCursor(image.width, image.height, image.hotX, image.hotY, image.xorMask.data(),
                          image.andMask.data());
}

uint32_t WinWindow::SetCursorIndex(int32_t index) {
  mhCursor = index >= 0 && index < 16 ? mCursors[index] : nullptr;
  if (!mhCursor) return kErrorCursor;
  SetCursor(mhCursor);
  return kNoError;
}

CBackBuffer* WinWindow::SetBackBuffer(CBackBuffer* buffer) {
  CBackBuffer* previous = mpBackBuffer;
  mpBackBuffer = buffer;
  return previous;
}

Comander* WinWindow::SetComander(Comander* commander) {
  if (!commander || commander == mpComander) return nullptr;
  Comander* previous = mpComander;
  if (previous) previous->SetWindow(nullptr);
  mpComander = commander;
  commander->SetWindow(this);
  return previous;
}

intptr_t WinWindow::HandleMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  int32_t x = GetXLParam(lParam);
  int32_t y = GetYLParam(lParam);
  switch (message) {
    case WM_ACTIVATE:
      if (mpComander) {
        if (LowWord(wParam) == WA_INACTIVE) {
          mpComander->Deactivate();
        } else {
          mpComander->Activate();
        }
      }
      break;
    case WM_DESTROY:
    case WM_CLOSE:
      SetApplicationFlag(kAppRunning, false);
      mWindow = kNoWindow;
      break;
    case WM_MOUSEMOVE:
      if (mpComander) mpComander->OnMouseMove(x, y);
      return 0;
    case WM_KEYDOWN:
      if (mpComander) mpComander->OnKeyDown(static_cast<uint32_t>(wParam), LowWord(static_cast<uintptr_t>(lParam)));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      SetCapture(window);
      SetApplicationFlag(message == WM_LBUTTONDOWN ? kAppLeftButtonHeld : kAppRightButtonHeld, true);
      if (mpComander) mpComander->OnMouseDown(x, y);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      ReleaseCapture();
      SetApplicationFlag(message == WM_LBUTTONUP ? kAppLeftButtonHeld : kAppRightButtonHeld, false);
      if (mpComander) mpComander->OnMouseUp(x, y);
      return 0;
    case WM_ACTIVATEAPP:
      SetApplicationFlag(kAppActive, wParam != 0);
      break;
    default:
      break;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

intptr_t WinWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  auto* object = static_cast<WinWindow*>(GetWindowUserData(window));
  if (!object) return DefWindowProc(window, message, wParam, lParam);
  return object->HandleMessage(window, message, wParam, lParam);
}
