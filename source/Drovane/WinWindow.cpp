#include "Drovane/WinWindow.h"

#include "Drovane/Application.h"
#include "Drovane/BackBuffer.h"
#include "Drovane/Comander.h"
#include "Drovane/CursorFile.h"
#include "Drovane/DebugLog.h"
#include "Drovane/RawResource.h"
#include "Drovane/ErrorReport.h"
#include "platform/DeviceContext.h"
#include "platform/StaticColours.h"
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

uint32_t WinWindow::Redraw() { return PresentBuffer(); }

uint32_t WinWindow::PresentBuffer() {
  if (!mpBackBuffer || mpBackBuffer->Lock() == 0) return kNoError;
  mpBackBuffer->Swap(this, 0, 0);
  mpBackBuffer->Unlock();
  return kNoError;
}

uint32_t WinWindow::RollInRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const int32_t step = (bottom - top) / 10;
  if (step <= 0) return kErrorFailure;
  if (!mpBackBuffer || mpBackBuffer->Lock() == 0) return kNoError;
  mpBackBuffer->ComposeToWindow(this, left, top, right, top + step, left, bottom - step);
  for (int32_t offset = step, y = bottom - step; y > top; offset += step, y -= step) {
    mpBackBuffer->ComposeToWindow(this, left, top, right, top + offset, left, y);
  }
  mpBackBuffer->ComposeToWindow(this, left, top, right, bottom, left, top);
  mpBackBuffer->Unlock();
  return kNoError;
}

void WinWindow::SetPaletteEntries(int32_t first, int32_t count, const uint32_t* entries) {
  if (!entries || first < 0 || count <= 0 || first > 256 || count > 256 - first) return;
  Rgb colours[256];
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t colour = entries[first + i];
    colours[i] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour)};
  }
  SetPictureColours(mWindow, first, count, colours);
}

uint32_t WinWindow::BlitToWindow(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t dx, int32_t dy) {
  if (mWindow == kNoWindow) return kErrorFailure;
  MovePictureRect(mWindow, {left, top, right, bottom}, dx, dy);
  return kNoError;
}

uint32_t WinWindow::OnPrepare() { return kErrorCursor; }

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
    case WM_PAINT:
      Redraw();
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

namespace {

// The text's box with its 2-pixel margin, kept inside a client area of width x height.
Rect TextBox(int32_t left, int32_t top, Point extent, int32_t width, int32_t height) {
  Rect box{left - 2, top - 2, left + extent.x, top + extent.y};
  if (box.right >= width) {
    box.right = width - 1;
    box.left = box.right - extent.x - 4;
  }
  if (box.left < 0) {
    box.left = 0;
    box.right = extent.x + 4;
  }
  if (box.top < 0) {
    box.top = 0;
    box.bottom = extent.y + 4;
  }
  if (box.bottom >= height) {
    box.bottom = height - 1;
    box.top = box.bottom - extent.y - 4;
  }
  return box;
}

}  // namespace

uint32_t WinWindow::DrawText(const char* text, uint32_t flags, int32_t x, int32_t y, int32_t* pLeft, int32_t* pTop,
                             int32_t* pRight, int32_t* pBottom) {
  if (mWindow == kNoWindow) return kErrorFailure;
  if (!text || !mpBackBuffer) return 0;
  DeviceContext context(mpBackBuffer->mpFrontSurface);
  if (!context.IsValid()) return 0;
  const Point extent = context.GetTextExtent(text);
  if (flags & 1) x -= extent.x / 2;
  if (flags & 2) y -= extent.y / 2;
  const Rect client = GetClientRect(mWindow);
  const Rect box = TextBox(x, y, extent, client.Width(), client.Height());
  if (flags & 4) context.FillRect(box, kOpaqueBackground);
  context.TextOut(box.left + 2, box.top + 2, text);
  if (pLeft && pTop && pRight && pBottom) {
    *pLeft = box.left;
    *pTop = box.top;
    *pRight = box.right;
    *pBottom = box.bottom;
  }
  return 0;
}
