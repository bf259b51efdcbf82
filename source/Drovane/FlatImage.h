#pragma once
#include <cstdint>

#include "platform/WindowMessages.h"

// All outstanding image locks of the program: every successful lock of any image adds 1,
// every successful unlock takes 1. The game checks it is 0 once a frame.
extern int32_t gLockCount;

// The framework's abstract 8-bit image: a size, a lock count and, while locked, the first
// pixel and the row stride. The copies and fills here work on any image whose pixels can
// be reached by locking it.
class FlatImage {
public:
  FlatImage() = default;
  virtual ~FlatImage() = default;
  FlatImage(const FlatImage&) = delete;
  FlatImage& operator=(const FlatImage&) = delete;

  // The new lock count; 0 when the pixels cannot be had.
  virtual int32_t Lock() = 0;
  // The locks left.
  virtual int32_t Unlock() = 0;
  virtual void SetTransparentColor(bool on, int32_t index);
  // Copies the whole image into dest at (x, y), clipped to the rectangle (right and bottom
  // exclusive) and to dest. Returns 0.
  virtual uint32_t ComposeClipped(FlatImage* dest, int32_t x, int32_t y, int32_t clipLeft, int32_t clipTop,
                                  int32_t clipRight, int32_t clipBottom);
  // Enlarges the source rectangle into the destination rectangle, nearest neighbour. A
  // rectangle outside its image, or a destination smaller than the source, is refused
  // with kErrorFailure and nothing is written.
  virtual uint32_t CopyScaled(FlatImage* dest, int32_t srcX, int32_t srcY, int32_t srcWidth, int32_t srcHeight,
                              int32_t destX, int32_t destY, int32_t destWidth, int32_t destHeight);
  // CopyScaled with both rectangles given by their edges.
  virtual uint32_t CopyRectTo(FlatImage* dest, int32_t destLeft, int32_t destTop, int32_t destRight,
                              int32_t destBottom, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                              int32_t srcBottom);
  // Fills the rectangle, clamped to the image, with the index's low byte; no rectangle
  // fills nothing. Returns 0.
  virtual uint32_t FillPixels(int32_t index, const platform::Rect* rect);

  int32_t GetWidth() const { return mWidth; }
  int32_t GetHeight() const { return mHeight; }

  int32_t mLockCount = 0;
  int32_t mWidth = 0;
  int32_t mHeight = 0;
  uint8_t* mpBits = nullptr;
  int32_t mStride = 0;
};
