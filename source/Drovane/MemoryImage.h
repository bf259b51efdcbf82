#pragma once
#include <cstdint>

#include "Drovane/FlatImage.h"
#include "Drovane/MovableMemory.h"

// An 8-bit image in a movable memory block, locked only while the image is locked. Rows
// are the width rounded up to a multiple of 4 bytes.
class MemoryImage : public FlatImage {
public:
  // Filled with the low byte of fillIndex. A size of 0 or one that cannot be had gives a
  // 0 by 0 image.
  MemoryImage(int32_t width, int32_t height, int32_t fillIndex);
  // A copy of the rectangle of pImage, which the caller keeps locked; nothing is copied
  // from an unlocked image. A rectangle that is empty or outside pImage gives a 0 by 0
  // image.
  MemoryImage(const FlatImage* pImage, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom);
  ~MemoryImage() override;

  int32_t Lock() override;
  int32_t Unlock() override;

  const MovableMemory& GetMemory() const { return mMemory; }

private:
  bool AllocateBlock(int32_t width, int32_t height);

  MovableMemory mMemory;
};
