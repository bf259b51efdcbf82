#pragma once
#include <cstdint>

#include "Drovane/BackBuffer.h"

class WinWindow;

// The back buffer that stands for the display: the primary surface (the main window's
// picture), a back surface in system memory that every frame is composed into, the
// screen's shared palette and a clipper bound to the window. Swap presents the back
// surface by one blit to the display rectangle. The screen always presents by blitting:
// the game never asks for a flipping chain, so none is made.
class ScreenBuffer : public CBackBuffer {
public:
  ScreenBuffer();
  // Makes the surfaces and installs the palette (256 colours 0x00RRGGBB). mValid is 0
  // when the surfaces could not be made.
  ScreenBuffer(WinWindow* window, int32_t width, int32_t height, const uint32_t* paletteEntries,
               int16_t backBufferCount, int32_t windowed, int32_t pageFlip);
  ~ScreenBuffer() override;

  // Colour-fills the rectangle of the back surface as it is given, or the display's size
  // when none is. Returns 0.
  uint32_t FillRect(uint32_t color, const platform::Rect* rect) override;
  // Blits the whole back surface to the display rectangle; 1, or 0 on failure.
  uint32_t Swap(WinWindow* window, int32_t x, int32_t y) override;

  // Copies a rectangle of the back surface straight into the window's picture at (x, y).
  uint32_t ComposeToWindow(WinWindow* window, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom,
                           int32_t x, int32_t y) override;

  int32_t ReleaseSurfaces();
  int32_t CreateSurfaces();
  int32_t ClearSurfaces(uint32_t color);
  // Builds and attaches the screen palette: in a window 0-9 and 246-255 stand for the
  // system's static colours, full screen they are the system palette's colours; 10-245
  // come from the entries. No entries re-attaches the palette there is (0 when none).
  int32_t UsePalette(const uint32_t* entries);
  void ReleasePalette();
  // Attaches the screen palette to the primary surface again.
  void SetPalette();
  // The screen rectangle the picture is presented to; also the buffer's rectangle.
  void SetDisplayRect(const platform::Rect& rect);
  void SetWindowed(int32_t windowed) { mWindowed = windowed; }
  void WaitForVerticalBlank();

  WinWindow* mpWindow = nullptr;
  int32_t mValid = 1;
  platform::Rect mDisplayRect;
  int16_t mBackBufferCount = 2;
  int32_t mWindowed = 0;
  int32_t mPageFlip = 0;
  platform::DisplayClipper* mpClipper = nullptr;

private:
  // Releases one surface of the screen's size.
  void ReleaseScreenSurface(platform::DisplaySurface*& surface);
  // Colour-fills a whole surface; the fill's result.
  platform::ResultCode FillSurface(platform::DisplaySurface* surface, uint32_t color);
};
