#pragma once
#include <cstdint>

#include "platform/ResultCodes.h"
#include "platform/WindowMessages.h"

// The display service the framework draws through: an object that makes 8-bit surfaces,
// palettes and clippers, records the cooperative level and the display mode, and blits.
// Objects are counted references: Release drops one and deletes the object at zero.
namespace platform {

// One palette entry as the display takes it.
struct PaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
  bool operator==(const PaletteEntry&) const = default;
};

// Palette entry flags.
constexpr uint8_t kPaletteReserved = 0x01;
constexpr uint8_t kPaletteExplicit = 0x02;
constexpr uint8_t kPaletteNoCollapse = 0x04;

// Surface capabilities.
constexpr uint32_t kSurfaceOffscreenPlain = 0x40;
constexpr uint32_t kSurfaceSystemMemory = 0x800;
constexpr uint32_t kSurfacePrimary = 0x200;

// Blit flags.
constexpr uint32_t kBltColorFill = 0x400;
constexpr uint32_t kBltKeySrc = 0x8000;
constexpr uint32_t kBltRop = 0x20000;
constexpr uint32_t kBltWait = 0x1000000;

// Vertical-blank waits.
constexpr uint32_t kWaitBlankBegin = 0x1;

// Palette capabilities.
constexpr uint32_t kPalette8Bit = 0x4;

// Cooperative levels.
constexpr uint32_t kCooperativeFullScreen = 0x1;
constexpr uint32_t kCooperativeNormal = 0x8;
constexpr uint32_t kCooperativeExclusive = 0x10;

// The raster operation of a plain copy.
constexpr uint32_t kRopSourceCopy = 0x00CC0020;

// Surfaces larger than this a side are refused.
constexpr int32_t kMaxSurfaceSide = 8192;

// What a blit carries besides its rectangles.
struct BltFx {
  uint32_t fillColor = 0;
  uint32_t rop = kRopSourceCopy;
};

// A locked surface: its first pixel and the bytes from one row to the next.
struct SurfaceDesc {
  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;
  uint8_t* bits = nullptr;
};

// The driver's capabilities.
struct DisplayCaps {
  uint32_t caps = 0;
  uint32_t paletteCaps = 0;
  uint32_t videoMemory = 0;
};

// A source colour key: pixels from low to high are not copied.
struct ColorKey {
  uint32_t low = 0;
  uint32_t high = 0;
};

class DisplayObject {
public:
  DisplayObject() = default;
  DisplayObject(const DisplayObject&) = delete;
  DisplayObject& operator=(const DisplayObject&) = delete;
  uint32_t AddRef() { return ++mReferences; }
  // The references left; the object is gone at 0.
  uint32_t Release();

protected:
  virtual ~DisplayObject() = default;

private:
  uint32_t mReferences = 1;
};

class DisplayPalette : public DisplayObject {
public:
  virtual ResultCode GetEntries(uint32_t start, uint32_t count, PaletteEntry* entries) const = 0;
  virtual ResultCode SetEntries(uint32_t start, uint32_t count, const PaletteEntry* entries) = 0;
};

// Limits the blits into the surface it is attached to: to its rectangle, or to the whole
// surface when it has none.
class DisplayClipper : public DisplayObject {
public:
  virtual ResultCode SetClipRect(const Rect* rect) = 0;
  virtual ResultCode SetWindow(WindowHandle window) = 0;
  virtual bool GetClipRect(Rect& rect) const = 0;
};

class DisplaySurface : public DisplayObject {
public:
  virtual ResultCode Lock(SurfaceDesc& desc) = 0;
  virtual ResultCode Unlock(const void* bits) = 0;
  // Copies srcRect of source (the whole source when null) into destRect of this surface
  // (the whole surface when null), scaled nearest-neighbour when the sizes differ, or fills
  // destRect with fx's colour. A rectangle outside its surface is refused with no pixel
  // touched, unless a clipper on this surface clips the destination.
  virtual ResultCode Blt(const Rect* destRect, DisplaySurface* source, const Rect* srcRect, uint32_t flags,
                         const BltFx* fx) = 0;
  // Shows the surface's back buffer; only a primary surface with one can.
  virtual ResultCode Flip() = 0;
  virtual ResultCode SetColorKey(const ColorKey* key) = 0;
  virtual ResultCode SetPalette(DisplayPalette* palette) = 0;
  virtual ResultCode SetClipper(DisplayClipper* clipper) = 0;
  virtual ResultCode GetSize(int32_t& width, int32_t& height) const = 0;
  // The pixels for a device context to draw through, locked or not; one context at a time.
  virtual ResultCode GetDC(SurfaceDesc& desc) = 0;
  virtual ResultCode ReleaseDC() = 0;
};

class DisplayDevice : public DisplayObject {
public:
  virtual ResultCode GetCaps(DisplayCaps& caps) const = 0;
  virtual ResultCode SetCooperativeLevel(WindowHandle window, uint32_t flags) = 0;
  virtual ResultCode SetDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel) = 0;
  virtual ResultCode RestoreDisplayMode() = 0;
  // A primary surface (kSurfacePrimary) is the picture of the window given to
  // SetCooperativeLevel, of its client size; width and height are not used for it.
  virtual ResultCode CreateSurface(int32_t width, int32_t height, uint32_t caps, DisplaySurface** surface) = 0;
  // 256 entries (kPalette8Bit).
  virtual ResultCode CreatePalette(uint32_t caps, const PaletteEntry* entries, DisplayPalette** palette) = 0;
  virtual ResultCode CreateClipper(DisplayClipper** clipper) = 0;
  // Returns once a vertical blank begins (kWaitBlankBegin).
  virtual ResultCode WaitForVerticalBlank(uint32_t flags) = 0;
  virtual ResultCode GetVerticalBlankStatus(bool& inBlank) = 0;
};

// Makes the display object for the default driver.
ResultCode DirectDrawCreate(DisplayDevice** device);

}  // namespace platform
