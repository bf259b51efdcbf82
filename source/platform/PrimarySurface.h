#pragma once
#include <array>

#include "platform/MemoryDisplay.h"
#include "platform/StaticColours.h"

namespace platform {

// The display's primary surface: the picture of the window the display was given. Its
// size is the window's client size; rectangles on it are screen coordinates, so a blit
// lands at the rectangle minus the client area's origin, which follows the window, and an
// attached clipper keeps it inside the picture. Every blit or fill, attaching a palette
// and changing the attached palette's entries show the picture at once.
class PrimarySurface : public MemorySurface, public PaletteWatcher {
public:
  PrimarySurface(WindowHandle window, int32_t width, int32_t height);
  ~PrimarySurface() override;

  ResultCode Blt(const Rect* destRect, DisplaySurface* source, const Rect* srcRect, uint32_t flags,
                 const BltFx* fx) override;
  ResultCode SetPalette(DisplayPalette* palette) override;
  void PaletteChanged() override { Present(); }

  // The colours the picture is shown through: the attached palette's, else the system
  // palette; an explicit entry stands for the system colour at its red index.
  std::array<Rgb, 256> ShownColours() const;
  // Drawing through a device context shows the picture when the context is released.
  ResultCode ReleaseDC() override;

  // The primary surface made last and still alive: the screen; null when there is none.
  static const PrimarySurface* Current();

private:
  void Present() const;

  WindowHandle mWindow;
};

}  // namespace platform
