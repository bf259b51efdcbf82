#include "Drovane/ImageBuffer.h"

uint32_t ImageBuffer::Swap(WinWindow* window, int32_t x, int32_t y) {
  return ComposeToWindow(window, 0, 0, mWidth, mHeight, x, y);
}
