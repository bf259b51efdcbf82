#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/DisplayDevice.h"

// The display in memory: surfaces are byte arrays, palettes arrays of entries. It is the
// backend of headless runs and tests, and what the on-screen presenter reads from.
namespace platform {

// Told when the entries of the palette it watches change.
class PaletteWatcher {
public:
  virtual void PaletteChanged() = 0;

protected:
  ~PaletteWatcher() = default;
};

class MemoryPalette : public DisplayPalette {
public:
  explicit MemoryPalette(const PaletteEntry* entries);
  ResultCode GetEntries(uint32_t start, uint32_t count, PaletteEntry* entries) const override;
  ResultCode SetEntries(uint32_t start, uint32_t count, const PaletteEntry* entries) override;
  const std::array<PaletteEntry, 256>& Entries() const { return mEntries; }
  // The one watcher (the primary surface showing the palette); null for none.
  void SetWatcher(PaletteWatcher* watcher) { mpWatcher = watcher; }

private:
  std::array<PaletteEntry, 256> mEntries{};
  PaletteWatcher* mpWatcher = nullptr;
};

class MemoryClipper : public DisplayClipper {
public:
  ResultCode SetClipRect(const Rect* rect) override;
  ResultCode SetWindow(WindowHandle window) override;
  bool GetClipRect(Rect& rect) const override;
  WindowHandle Window() const { return mWindow; }

private:
  bool mHasRect = false;
  Rect mRect;
  WindowHandle mWindow = kNoWindow;
};

class MemorySurface : public DisplaySurface {
public:
  MemorySurface(int32_t width, int32_t height, uint32_t caps);
  ~MemorySurface() override;

  ResultCode Lock(SurfaceDesc& desc) override;
  ResultCode Unlock(const void* bits) override;
  ResultCode Blt(const Rect* destRect, DisplaySurface* source, const Rect* srcRect, uint32_t flags,
                 const BltFx* fx) override;
  ResultCode Flip() override;
  ResultCode SetColorKey(const ColorKey* key) override;
  ResultCode SetPalette(DisplayPalette* palette) override;
  ResultCode SetClipper(DisplayClipper* clipper) override;
  ResultCode GetSize(int32_t& width, int32_t& height) const override;
  ResultCode GetDC(SurfaceDesc& desc) override;
  ResultCode ReleaseDC() override;

  int32_t Pitch() const { return mPitch; }
  const uint8_t* Pixels() const { return mPixels.data(); }
  uint32_t Caps() const { return mCaps; }
  DisplayPalette* Palette() const { return mpPalette; }
  // How often the surface was really locked and unlocked.
  int lockCalls = 0;
  int unlockCalls = 0;

private:
  Rect Whole() const { return {0, 0, mWidth, mHeight}; }
  bool Contains(const Rect& rect) const;
  // The part of destRect that may be drawn: all of it inside the surface, or what the
  // clipper leaves; false when the rectangle is refused.
  bool VisiblePart(const Rect& destRect, Rect& visible) const;
  void Fill(const Rect& rect, uint8_t index);
  void Copy(const Rect& destRect, const Rect& visible, const MemorySurface& source, const Rect& srcRect,
            bool keyed);

  int32_t mWidth;
  int32_t mHeight;
  int32_t mPitch;
  uint32_t mCaps;
  std::vector<uint8_t> mPixels;
  bool mLocked = false;
  bool mHasDC = false;
  bool mHasKey = false;
  ColorKey mKey;
  DisplayPalette* mpPalette = nullptr;
  DisplayClipper* mpClipper = nullptr;
};

class MemoryDisplayDevice : public DisplayDevice {
public:
  ResultCode GetCaps(DisplayCaps& caps) const override;
  ResultCode SetCooperativeLevel(WindowHandle window, uint32_t flags) override;
  ResultCode SetDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel) override;
  ResultCode RestoreDisplayMode() override;
  ResultCode CreateSurface(int32_t width, int32_t height, uint32_t caps, DisplaySurface** surface) override;
  ResultCode CreatePalette(uint32_t caps, const PaletteEntry* entries, DisplayPalette** palette) override;
  ResultCode CreateClipper(DisplayClipper** clipper) override;
  ResultCode WaitForVerticalBlank(uint32_t flags) override;
  ResultCode GetVerticalBlankStatus(bool& inBlank) override;

  // What the game asked for. A test sets cooperativeLevelResult to make the call fail.
  ResultCode cooperativeLevelResult = kResultOk;
  WindowHandle cooperativeWindow = kNoWindow;
  uint32_t cooperativeFlags = 0;
  int32_t modeWidth = 0;
  int32_t modeHeight = 0;
  int32_t modeBits = 0;

private:
  ResultCode CreatePrimarySurface(DisplaySurface** surface);
};

}  // namespace platform
