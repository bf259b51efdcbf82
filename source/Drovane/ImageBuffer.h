#pragma once
#include <cstdint>

#include "Drovane/FlatImage.h"

class WinWindow;

// An image that can present itself into a window.
class ImageBuffer : public FlatImage {
public:
  // Draws the whole image into the window at (x, y).
  virtual uint32_t Swap(WinWindow* window, int32_t x, int32_t y);
  // Copies the source rectangle into the window's back buffer at (x, y).
  virtual uint32_t ComposeToWindow(WinWindow* window, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                                   int32_t srcBottom, int32_t x, int32_t y) = 0;
};
