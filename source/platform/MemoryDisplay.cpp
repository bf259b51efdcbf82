#include "platform/MemoryDisplay.h"

#include <new>

#include "platform/PrimarySurface.h"
#include "platform/VerticalBlank.h"
#include "platform/Window.h"

namespace platform {

uint32_t DisplayObject::Release() {
  if (--mReferences > 0) return mReferences;
  delete this;
  return 0;
}

MemoryPalette::MemoryPalette(const PaletteEntry* entries) {
  if (entries) SetEntries(0, 256, entries);
}

ResultCode MemoryPalette::GetEntries(uint32_t start, uint32_t count, PaletteEntry* entries) const {
  if (!entries || start > 256 || count > 256 - start) return kDisplayInvalidParams;
  for (uint32_t i = 0; i < count; ++i) entries[i] = mEntries[start + i];
  return kResultOk;
}

ResultCode MemoryPalette::SetEntries(uint32_t start, uint32_t count, const PaletteEntry* entries) {
  if (!entries || start > 256 || count > 256 - start) return kDisplayInvalidParams;
  for (uint32_t i = 0; i < count; ++i) mEntries[start + i] = entries[i];
  if (mpWatcher) mpWatcher->PaletteChanged();
  return kResultOk;
}

ResultCode MemoryClipper::SetClipRect(const Rect* rect) {
  mHasRect = rect != nullptr;
  if (rect) mRect = *rect;
  return kResultOk;
}

ResultCode MemoryClipper::SetWindow(WindowHandle window) {
  mWindow = window;
  return kResultOk;
}

bool MemoryClipper::GetClipRect(Rect& rect) const {
  if (mHasRect) rect = mRect;
  return mHasRect;
}

ResultCode MemoryDisplayDevice::GetCaps(DisplayCaps& caps) const {
  caps.caps = kSurfaceOffscreenPlain | kSurfaceSystemMemory;
  caps.paletteCaps = kPalette8Bit;
  caps.videoMemory = 0;
  return kResultOk;
}

ResultCode MemoryDisplayDevice::SetCooperativeLevel(WindowHandle window, uint32_t flags) {
  if (cooperativeLevelResult != kResultOk) return cooperativeLevelResult;
  cooperativeWindow = window;
  cooperativeFlags = flags;
  return kResultOk;
}

ResultCode MemoryDisplayDevice::SetDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel) {
  if (!(cooperativeFlags & kCooperativeExclusive)) return kDisplayNoExclusiveMode;
  if (bitsPerPixel != 8 || width <= 0 || height <= 0) return kDisplayInvalidMode;
  modeWidth = width;
  modeHeight = height;
  modeBits = bitsPerPixel;
  return kResultOk;
}

ResultCode MemoryDisplayDevice::RestoreDisplayMode() {
  modeWidth = modeHeight = modeBits = 0;
  return kResultOk;
}

ResultCode MemoryDisplayDevice::CreateSurface(int32_t width, int32_t height, uint32_t caps,
                                              DisplaySurface** surface) {
  if (!surface) return kDisplayInvalidParams;
  *surface = nullptr;
  if (caps & kSurfacePrimary) return CreatePrimarySurface(surface);
  if (width <= 0 || height <= 0) return kDisplayInvalidParams;
  if (width > kMaxSurfaceSide || height > kMaxSurfaceSide) return kDisplayTooBigSize;
  *surface = new (std::nothrow) MemorySurface(width, height, caps);
  return *surface ? kResultOk : kDisplayOutOfMemory;
}

ResultCode MemoryDisplayDevice::CreatePrimarySurface(DisplaySurface** surface) {
  if (!IsWindow(cooperativeWindow)) return kDisplayCurrentlyNotAvailable;
  const Rect client = GetClientRect(cooperativeWindow);
  if (client.Width() <= 0 || client.Height() <= 0) return kDisplayInvalidParams;
  *surface = new (std::nothrow) PrimarySurface(cooperativeWindow, client.Width(), client.Height());
  return *surface ? kResultOk : kDisplayOutOfMemory;
}

ResultCode MemoryDisplayDevice::CreatePalette(uint32_t caps, const PaletteEntry* entries,
                                              DisplayPalette** palette) {
  if (!palette) return kDisplayInvalidParams;
  *palette = nullptr;
  if (!(caps & kPalette8Bit) || !entries) return kDisplayInvalidParams;
  *palette = new (std::nothrow) MemoryPalette(entries);
  return *palette ? kResultOk : kDisplayOutOfMemory;
}

ResultCode MemoryDisplayDevice::CreateClipper(DisplayClipper** clipper) {
  if (!clipper) return kDisplayInvalidParams;
  *clipper = new (std::nothrow) MemoryClipper();
  return *clipper ? kResultOk : kDisplayOutOfMemory;
}

ResultCode MemoryDisplayDevice::WaitForVerticalBlank(uint32_t flags) {
  if (!(flags & kWaitBlankBegin)) return kDisplayInvalidParams;
  WaitForVerticalBlankBegin();
  return kResultOk;
}

ResultCode MemoryDisplayDevice::GetVerticalBlankStatus(bool& inBlank) {
  inBlank = IsInVerticalBlank();
  return kResultOk;
}

ResultCode DirectDrawCreate(DisplayDevice** device) {
  if (!device) return kDisplayInvalidParams;
  *device = new (std::nothrow) MemoryDisplayDevice();
  return *device ? kResultOk : kDisplayOutOfMemory;
}

}  // namespace platform
