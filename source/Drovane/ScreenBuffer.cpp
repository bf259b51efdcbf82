#include "Drovane/ScreenBuffer.h"

#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/WinWindow.h"
#include "platform/MessageQueue.h"
#include "platform/StaticColours.h"
#include "platform/SystemPalette.h"

using namespace platform;

namespace {

constexpr uint32_t kBackSurfaceCaps = kSurfaceOffscreenPlain | kSurfaceSystemMemory;
constexpr uint8_t kGameColourFlags = kPaletteReserved | kPaletteNoCollapse;
constexpr const char* kCreateFailed = "Error in ScreenBuffer::CreateSurfaces() after CreateSurface().";

WindowHandle HandleOf(const WinWindow* window) { return window ? window->mWindow : kNoWindow; }

}  // namespace

ScreenBuffer::ScreenBuffer() {
  mUseBackSurface = true;
  mWidth = 640;
  mHeight = 480;
  mRect = {0, 0, 640, 480};
}

ScreenBuffer::ScreenBuffer(WinWindow* window, int32_t width, int32_t height, const uint32_t* paletteEntries,
                           int16_t backBufferCount, int32_t windowed, int32_t pageFlip)
    : mpWindow(window), mBackBufferCount(backBufferCount), mWindowed(windowed), mPageFlip(windowed ? 0 : pageFlip) {
  mUseBackSurface = true;
  mWidth = width;
  mHeight = height;
  SetDisplayRect({0, 0, width, height});
  CreateSurfaces();
  UsePalette(paletteEntries);
}

ScreenBuffer::~ScreenBuffer() {
  ReleaseSurfaces();
  ReleasePalette();
}

void ScreenBuffer::ReleaseScreenSurface(DisplaySurface*& surface) {
  if (!surface) return;
  surface->Release();
  surface = nullptr;
  gSurfaceMemory -= mWidth * mHeight;
}

int32_t ScreenBuffer::ReleaseSurfaces() {
  ReleaseScreenSurface(mpFrontSurface);
  ReleaseScreenSurface(mpBackSurface);
  if (mpClipper) {
    mpClipper->Release();
    mpClipper = nullptr;
  }
  return 1;
}

int32_t ScreenBuffer::CreateSurfaces() {
  mpFrontSurface = nullptr;
  mpBackSurface = nullptr;
  ResultCode result = lpDD ? lpDD->CreateSurface(0, 0, kSurfacePrimary, &mpFrontSurface) : kDisplayCurrentlyNotAvailable;
  if (result != kResultOk) {
    mValid = 0;
    mpFrontSurface = nullptr;
    ReportDirectDrawError(result, kCreateFailed);
    return 0;
  }
  result = lpDD->CreateSurface(mWidth, mHeight, kBackSurfaceCaps, &mpBackSurface);
  if (result != kResultOk) {
    mValid = 0;
    mpBackSurface = nullptr;
    mpFrontSurface->Release();
    mpFrontSurface = nullptr;
    ReportDirectDrawError(result, kCreateFailed);
    return 0;
  }
  gSurfaceMemory += 2 * mWidth * mHeight;
  if (!mpClipper) {
    result = lpDD->CreateClipper(&mpClipper);
    if (result != kResultOk) {
      mValid = 0;
      mpClipper = nullptr;
      ReportDirectDrawError(result, "Error in ScreenBuffer::CreateSurfaces() after CreateClipper().");
      return 0;
    }
  }
  mpClipper->SetWindow(HandleOf(mpWindow));
  mpFrontSurface->SetClipper(mpClipper);
  // One lock gives the buffer the back surface's pitch.
  if (Lock() > 0) Unlock();
  ClearSurfaces(0);
  return 1;
}

ResultCode ScreenBuffer::FillSurface(DisplaySurface* surface, uint32_t color) {
  BltFx fx;
  fx.fillColor = color;
  ResultCode result;
  do {
    result = surface->Blt(nullptr, nullptr, nullptr, kBltWait | kBltColorFill, &fx);
  } while (result == kDisplayWasStillDrawing);
  return result;
}

int32_t ScreenBuffer::ClearSurfaces(uint32_t color) {
  if (!mpFrontSurface || !mpBackSurface) return 0;
  for (DisplaySurface* surface : {mpFrontSurface, mpBackSurface}) {
    const ResultCode result = FillSurface(surface, color);
    if (result != kResultOk) {
      ReportDirectDrawError(result, "Error in ScreenBuffer::ClearSurfaces() after Blt(DDBLT_COLORFILL).");
      return 0;
    }
  }
  return 1;
}

uint32_t ScreenBuffer::Swap(WinWindow*, int32_t, int32_t) {
  if (!mpFrontSurface || !mpBackSurface) return 0;
  const Rect whole{0, 0, mWidth, mHeight};
  const ResultCode result = mpFrontSurface->Blt(&mDisplayRect, mpBackSurface, &whole, kBltWait, nullptr);
  if (result != kResultOk) {
    ReportDirectDrawError(result, "Error in ScreenBuffer::Swap() after Blt().");
    return 0;
  }
  return 1;
}

uint32_t ScreenBuffer::ComposeToWindow(WinWindow*, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                                       int32_t srcBottom, int32_t x, int32_t y) {
  if (!mpFrontSurface || !mpBackSurface) return kNoSurface;
  const Rect source{srcLeft, srcTop, srcRight, srcBottom};
  const Rect onScreen{mDisplayRect.left + x, mDisplayRect.top + y, mDisplayRect.left + x + source.Width(),
                      mDisplayRect.top + y + source.Height()};
  const ResultCode result = mpFrontSurface->Blt(&onScreen, mpBackSurface, &source, kBltWait, nullptr);
  if (result != kResultOk) ReportDirectDrawError(result, "Error in ScreenBuffer::ComposeToWindow() after Blt().");
  return result;
}

uint32_t ScreenBuffer::FillRect(uint32_t color, const Rect* rect) {
  mBltFx.fillColor = color;
  const Rect area = rect ? *rect : Rect{0, 0, mDisplayRect.Width(), mDisplayRect.Height()};
  if (!mpBackSurface) return 0;
  const ResultCode result = mpBackSurface->Blt(&area, nullptr, nullptr, kBltWait | kBltColorFill, &mBltFx);
  if (result != kResultOk) ReportDirectDrawError(result, "Error in ScreenBuffer::FillRect() after mpBackSurface->Blt().");
  return 0;
}

int32_t ScreenBuffer::UsePalette(const uint32_t* entries) {
  if (!entries) {
    if (!lpPalette) return 0;
    if (mpFrontSurface) mpFrontSurface->SetPalette(lpPalette);
    return 1;
  }
  PaletteEntry built[256];
  if (mWindowed) {
    for (int32_t i = 0; i < 256; ++i) {
      if (IsStaticColourIndex(i)) built[i] = {static_cast<uint8_t>(i), 0, 0, kPaletteExplicit};
    }
  } else {
    GetSystemPaletteEntries(0, 256, built);
  }
  for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) {
    const uint32_t colour = entries[i];
    built[i] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour),
                kGameColourFlags};
  }
  ReleasePalette();
  if (!lpDD) return 1;
  const ResultCode result = lpDD->CreatePalette(kPalette8Bit, built, &mpPalette);
  if (result != kResultOk) {
    mpPalette = nullptr;
    ReportDirectDrawError(result, "Error in ScreenBuffer::UsePalette() after CreatePalette().");
    return 1;
  }
  lpPalette = mpPalette;
  SetPalette();
  if (HandleOf(mpWindow) != kNoWindow) PostMessage(mpWindow->mWindow, WM_QUERYNEWPALETTE, 0, 0);
  return 1;
}

void ScreenBuffer::ReleasePalette() {
  if (lpPalette) {
    lpPalette->Release();
    lpPalette = nullptr;
  }
  mpPalette = nullptr;
}

void ScreenBuffer::SetPalette() {
  if (!mpPalette || !mpFrontSurface) return;
  const ResultCode result = mpFrontSurface->SetPalette(mpPalette);
  if (result != kResultOk) ReportDirectDrawError(result, "Error in ScreenBuffer::SetPalette() after mpFrontSurface->SetPalette().");
}

void ScreenBuffer::SetDisplayRect(const Rect& rect) {
  mDisplayRect = rect;
  mRect = rect;
}

void ScreenBuffer::WaitForVerticalBlank() {
  if (!lpDD) return;
  bool inBlank = false;
  while (lpDD->GetVerticalBlankStatus(inBlank) == kResultOk && !inBlank) {
  }
}
