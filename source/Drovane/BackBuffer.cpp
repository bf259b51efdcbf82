#include "Drovane/BackBuffer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "Drovane/BitmapFileReader.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/WinWindow.h"

using namespace platform;

int32_t gSurfaceMemory = 0;

namespace {

constexpr uint32_t kSurfaceCaps = kSurfaceOffscreenPlain | kSurfaceSystemMemory;
constexpr const char* kComposeFailed = "Error in CBackBuffer::Compose() after pDestSurface->Blt().";

bool IsEmpty(const Rect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// The pixels of a checked bitmap file into a locked image of the same size.
void CopyBitmapRows(const std::string& bytes, const BitmapLayout& layout, FlatImage& image) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  for (int32_t y = 0; y < layout.height; ++y) {
    std::memcpy(image.mpBits + static_cast<ptrdiff_t>(y) * image.mStride, data + layout.RowOffset(y),
                static_cast<size_t>(layout.width));
  }
}

}  // namespace

CBackBuffer::CBackBuffer() { ResetFields(); }

CBackBuffer::CBackBuffer(const char* imageFileName) {
  ResetFields();
  if (!imageFileName) return;
  mImageFileName = imageFileName;
  std::string bytes;
  BitmapLayout layout;
  if (!ReadBitmapFile(imageFileName, bytes, layout)) return;
  CreateSurface(layout.width, layout.height);
  if (!GetSurface() || Lock() == 0) return;
  CopyBitmapRows(bytes, layout, *this);
  Unlock();
}

CBackBuffer::CBackBuffer(int32_t width, int32_t height) {
  ResetFields();
  CreateSurface(width, height);
  if (Lock() > 0) Unlock();
}

CBackBuffer::~CBackBuffer() {
  if (mLockCount > 0 && mpBits) {
    if (DisplaySurface* surface = GetSurface()) surface->Unlock(mpBits);
    gLockCount -= mLockCount;
  }
  ReleaseSurface(mpFrontSurface);
  ReleaseSurface(mpBackSurface);
}

void CBackBuffer::ResetFields() {
  mpFrontSurface = nullptr;
  mpBackSurface = nullptr;
  mImageFileName.clear();
  mUseBackSurface = false;
  mTransparent = false;
  mColorIndex = 0;
  mTransparentIndex = 0;
  mRect = Rect{};
  mpPalette = nullptr;
  mSurfaceDesc = SurfaceDesc{};
  mBltFx = BltFx{};
  mpFont.reset();
  mTextColor = 0;
  mPenColor = 0;
  mhPen.reset();
  mPenWidth = 0;
  mPenColorUsed = 0;
}

void CBackBuffer::CreateSurface(int32_t width, int32_t height) {
  mWidth = width;
  mHeight = height;
  mRect = {0, 0, width, height};
  const ResultCode result =
      lpDD ? lpDD->CreateSurface(width, height, kSurfaceCaps, &mpFrontSurface) : kDisplayCurrentlyNotAvailable;
  if (result != kResultOk) {
    mpFrontSurface = nullptr;
    ReportDirectDrawError(result, "Error in CBackBuffer::CBackBuffer() after CreateSurface().");
    return;
  }
  gSurfaceMemory += width * height;
}

void CBackBuffer::ReleaseSurface(DisplaySurface*& surface) {
  if (!surface) return;
  surface->Release();
  surface = nullptr;
  gSurfaceMemory -= mWidth * mHeight;
}

DisplaySurface* CBackBuffer::GetSurface() const { return mUseBackSurface ? mpBackSurface : mpFrontSurface; }

int32_t CBackBuffer::Lock() {
  if (mLockCount > 0) {
    ++gLockCount;
    return ++mLockCount;
  }
  DisplaySurface* surface = GetSurface();
  if (!surface) return 0;
  ResultCode result;
  do {
    result = surface->Lock(mSurfaceDesc);
  } while (result == kDisplayWasStillDrawing);
  if (result != kResultOk) {
    ReportDirectDrawError(result, "Error in CBackBuffer::Lock() after Lock().");
    return 0;
  }
  mpBits = mSurfaceDesc.bits;
  mStride = mSurfaceDesc.pitch;
  ++gLockCount;
  return ++mLockCount;
}

int32_t CBackBuffer::Unlock() {
  if (mLockCount >= 2) {
    --gLockCount;
    return --mLockCount;
  }
  DisplaySurface* surface = GetSurface();
  if (!mpBits || !surface) return 0;
  const ResultCode result = surface->Unlock(mpBits);
  if (result != kResultOk) {
    ReportDirectDrawError(result, "Error in CBackBuffer::Unlock() after Unlock().");
    return 0;
  }
  --gLockCount;
  if (--mLockCount == 0) mpBits = nullptr;
  return mLockCount;
}

void CBackBuffer::SetTransparentColor(bool on, int32_t index) {
  if (!on) {
    mTransparent = false;
    return;
  }
  mTransparent = true;
  mTransparentIndex = index;
  const ColorKey key{static_cast<uint32_t>(index), static_cast<uint32_t>(index)};
  if (DisplaySurface* surface = GetSurface()) surface->SetColorKey(&key);
}

uint32_t CBackBuffer::Blit(CBackBuffer* dest, const Rect& destRect, const Rect& srcRect, bool keyed) {
  DisplaySurface* source = GetSurface();
  DisplaySurface* target = dest ? dest->GetSurface() : nullptr;
  if (!source || !target) return kNoSurface;
  const uint32_t flags = kBltWait | kBltRop | (keyed ? kBltKeySrc : 0);
  mBltFx.rop = kRopSourceCopy;
  return target->Blt(&destRect, source, &srcRect, flags, &mBltFx);
}

uint32_t CBackBuffer::ClippedBlit(CBackBuffer* dest, int32_t x, int32_t y, const Rect& src, bool keyed) {
  if (!dest) return kNoSurface;
  const int64_t w = int64_t{src.right} - src.left;
  const int64_t h = int64_t{src.bottom} - src.top;
  if (x >= dest->mWidth || y >= dest->mHeight || x + w < 0 || y + h < 0) return kNoError;
  if (!GetSurface()) return kNoSurface;
  // Whatever passes an edge of dest is cut from both rectangles.
  const int64_t cutRight = std::max<int64_t>(x + w - dest->mWidth, 0);
  const int64_t cutBottom = std::max<int64_t>(y + h - dest->mHeight, 0);
  const int32_t cutLeft = std::max(-x, 0);
  const int32_t cutTop = std::max(-y, 0);
  const Rect to{x + cutLeft, y + cutTop, static_cast<int32_t>(x + w - cutRight), static_cast<int32_t>(y + h - cutBottom)};
  const Rect from{src.left + cutLeft, src.top + cutTop, static_cast<int32_t>(src.right - cutRight),
                  static_cast<int32_t>(src.bottom - cutBottom)};
  if (IsEmpty(to)) return kNoError;
  return Blit(dest, to, from, keyed);
}

uint32_t CBackBuffer::Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop,
                              int32_t srcRight, int32_t srcBottom) {
  const uint32_t result = ClippedBlit(dest, x, y, {srcLeft, srcTop, srcRight, srcBottom}, mTransparent);
  if (result != kResultOk && result != kNoSurface) ReportDirectDrawError(result, kComposeFailed);
  return result;
}

uint32_t CBackBuffer::CopyTo(CBackBuffer* dest, int32_t destLeft, int32_t destTop, int32_t destRight,
                             int32_t destBottom, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom) {
  return ComposeStretched(dest, {destLeft, destTop, destRight, destBottom}, {srcLeft, srcTop, srcRight, srcBottom});
}

uint32_t CBackBuffer::Swap(WinWindow*, int32_t, int32_t) {
  if (!mpFrontSurface) return kNoSurface;
  const ResultCode result = mpFrontSurface->Flip();
  if (result != kResultOk) {
    ReportDirectDrawError(result, "Error in CBackBuffer::Swap() after mpFrontSurface->Flip(NULL, DDFLIP_WAIT).");
  }
  return result;
}

uint32_t CBackBuffer::ComposeToWindow(WinWindow* window, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                                      int32_t srcBottom, int32_t x, int32_t y) {
  if (!window) return kNoSurface;
  return ClippedBlit(window->mpBackBuffer, x, y, {srcLeft, srcTop, srcRight, srcBottom}, false);
}

uint32_t CBackBuffer::ComposeAtPoint(CBackBuffer* dest, const Point& point, const Rect& rect) {
  return Compose(dest, point.x, point.y, rect.left, rect.top, rect.right, rect.bottom);
}

uint32_t CBackBuffer::ComposeStretched(CBackBuffer* dest, const Rect& destRect, const Rect& srcRect) {
  return Blit(dest, destRect, srcRect, mTransparent);
}

uint32_t CBackBuffer::ComposeAll(CBackBuffer* dest, bool useKey) {
  const Rect whole{0, 0, mWidth, mHeight};
  const uint32_t result = Blit(dest, whole, whole, mTransparent && useKey);
  if (result != kResultOk && result != kNoSurface) ReportDirectDrawError(result, kComposeFailed);
  return result;
}

uint32_t CBackBuffer::ComposeAtPointUnclipped(CBackBuffer* dest, const Point& point, const Rect& rect) {
  return ComposeUnclipped(dest, point.x, point.y, rect.left, rect.top, rect.right, rect.bottom);
}

uint32_t CBackBuffer::ComposeUnclipped(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop,
                                       int32_t srcRight, int32_t srcBottom) {
  const Rect to{x, y, x + (srcRight - srcLeft), y + (srcBottom - srcTop)};
  const uint32_t result = Blit(dest, to, {srcLeft, srcTop, srcRight, srcBottom}, mTransparent);
  if (result != kResultOk && result != kNoSurface) ReportDirectDrawError(result, kComposeFailed);
  return 1;
}

uint32_t CBackBuffer::FillRect(uint32_t color, const Rect* rect) {
  DisplaySurface* surface = GetSurface();
  if (!surface) return kNoSurface;
  mBltFx.fillColor = color;
  Rect area = mRect;
  if (rect) {
    area = {std::max(rect->left, 0), std::max(rect->top, 0), std::min(rect->right, mRect.right),
            std::min(rect->bottom, mRect.bottom)};
  }
  if (IsEmpty(area)) return kNoError;
  const ResultCode result = surface->Blt(&area, nullptr, nullptr, kBltWait | kBltColorFill, &mBltFx);
  if (result != kResultOk) ReportDirectDrawError(result, "Error in CBackBuffer::FillRect() after Blt().");
  return kNoError;
}

uint32_t CBackBuffer::LoadImageFile() {
  std::string bytes;
  BitmapLayout layout;
  if (!ReadBitmapFile(mImageFileName.c_str(), bytes, layout)) return kErrorImageFile;
  if (layout.width != mWidth || layout.height != mHeight || Lock() == 0) return kErrorImageFile;
  CopyBitmapRows(bytes, layout, *this);
  Unlock();
  return kNoError;
}

void CBackBuffer::SetPaletteEntries(int32_t start, int32_t count, const uint32_t* entries) {
  if (!mpPalette || !entries || start < 0 || count <= 0 || start > 256 || count > 256 - start) return;
  PaletteEntry converted[256];
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t colour = entries[start + i];
    converted[i] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour),
                    kPaletteReserved | kPaletteNoCollapse};
  }
  mpPalette->SetEntries(static_cast<uint32_t>(start), static_cast<uint32_t>(count), converted);
}
