#include <algorithm>
#include <cstring>

#include "platform/MemoryDisplay.h"

namespace platform {

namespace {

bool IsEmpty(const Rect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The source column or row that destination offset d of n reads from a source span of m.
int32_t SourceOffset(int32_t d, int32_t n, int32_t m) {
  return static_cast<int32_t>(static_cast<int64_t>(d) * m / n);
}

}  // namespace

MemorySurface::MemorySurface(int32_t width, int32_t height, uint32_t caps)
    : mWidth(width), mHeight(height), mPitch((width + 3) & ~3), mCaps(caps),
      mPixels(static_cast<size_t>(mPitch) * static_cast<size_t>(height)) {}

MemorySurface::~MemorySurface() {
  if (mpPalette) mpPalette->Release();
  if (mpClipper) mpClipper->Release();
}

ResultCode MemorySurface::Lock(SurfaceDesc& desc) {
  if (mLocked) return kDisplaySurfaceBusy;
  mLocked = true;
  ++lockCalls;
  desc = {mWidth, mHeight, mPitch, mPixels.data()};
  return kResultOk;
}

ResultCode MemorySurface::Unlock(const void* bits) {
  if (!mLocked) return kDisplayGeneric;
  if (bits && bits != mPixels.data()) return kDisplayInvalidParams;
  mLocked = false;
  ++unlockCalls;
  return kResultOk;
}

bool MemorySurface::Contains(const Rect& rect) const {
  return rect.left >= 0 && rect.top >= 0 && rect.right <= mWidth && rect.bottom <= mHeight;
}

bool MemorySurface::VisiblePart(const Rect& destRect, Rect& visible) const {
  Rect clip;
  if (mpClipper) {
    if (!mpClipper->GetClipRect(clip)) clip = Whole();
    visible = Intersect(Intersect(destRect, clip), Whole());
    return true;
  }
  visible = destRect;
  return Contains(destRect);
}

ResultCode MemorySurface::Blt(const Rect* destRect, DisplaySurface* source, const Rect* srcRect,
                              uint32_t flags, const BltFx* fx) {
  const Rect dest = destRect ? *destRect : Whole();
  if (IsEmpty(dest)) return kDisplayInvalidRect;
  Rect visible;
  if (!VisiblePart(dest, visible)) return kDisplayInvalidRect;
  if (flags & kBltColorFill) {
    if (!fx) return kDisplayInvalidParams;
    if (!IsEmpty(visible)) Fill(visible, static_cast<uint8_t>(fx->fillColor));
    return kResultOk;
  }
  auto* from = dynamic_cast<MemorySurface*>(source);
  if (!from) return kDisplayInvalidParams;
  const Rect src = srcRect ? *srcRect : from->Whole();
  if (IsEmpty(src) || !from->Contains(src)) return kDisplayInvalidRect;
  if (!IsEmpty(visible)) Copy(dest, visible, *from, src, (flags & kBltKeySrc) && from->mHasKey);
  return kResultOk;
}

void MemorySurface::Fill(const Rect& rect, uint8_t index) {
  for (int32_t y = rect.top; y < rect.bottom; ++y) {
    std::memset(&mPixels[static_cast<size_t>(y) * mPitch + rect.left], index, rect.Width());
  }
}

void MemorySurface::Copy(const Rect& destRect, const Rect& visible, const MemorySurface& source,
                         const Rect& srcRect, bool keyed) {
  // A blit within one surface reads from a copy, so overlapping rectangles come out whole.
  const std::vector<uint8_t> snapshot = &source == this ? mPixels : std::vector<uint8_t>();
  const uint8_t* pixels = &source == this ? snapshot.data() : source.mPixels.data();
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    const int32_t sy = srcRect.top + SourceOffset(y - destRect.top, destRect.Height(), srcRect.Height());
    const uint8_t* srcRow = pixels + static_cast<size_t>(sy) * source.mPitch;
    uint8_t* destRow = &mPixels[static_cast<size_t>(y) * mPitch];
    for (int32_t x = visible.left; x < visible.right; ++x) {
      const uint8_t pixel = srcRow[srcRect.left + SourceOffset(x - destRect.left, destRect.Width(), srcRect.Width())];
      if (keyed && pixel >= source.mKey.low && pixel <= source.mKey.high) continue;
      destRow[x] = pixel;
    }
  }
}

ResultCode MemorySurface::Flip() { return kDisplayNoFlipHardware; }

ResultCode MemorySurface::SetColorKey(const ColorKey* key) {
  mHasKey = key != nullptr;
  if (key) mKey = *key;
  return kResultOk;
}

ResultCode MemorySurface::SetPalette(DisplayPalette* palette) {
  if (palette) palette->AddRef();
  if (mpPalette) mpPalette->Release();
  mpPalette = palette;
  return kResultOk;
}

ResultCode MemorySurface::SetClipper(DisplayClipper* clipper) {
  if (clipper) clipper->AddRef();
  if (mpClipper) mpClipper->Release();
  mpClipper = clipper;
  return kResultOk;
}

ResultCode MemorySurface::GetSize(int32_t& width, int32_t& height) const {
  width = mWidth;
  height = mHeight;
  return kResultOk;
}

ResultCode MemorySurface::GetDC(SurfaceDesc& desc) {
  if (mHasDC) return kDisplaySurfaceBusy;
  mHasDC = true;
  desc = {mWidth, mHeight, mPitch, mPixels.data()};
  return kResultOk;
}

ResultCode MemorySurface::ReleaseDC() {
  if (!mHasDC) return kDisplayGeneric;
  mHasDC = false;
  return kResultOk;
}

}  // namespace platform
