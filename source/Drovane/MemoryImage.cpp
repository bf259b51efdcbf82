#include "Drovane/MemoryImage.h"

#include <cstddef>
#include <cstring>

namespace {

int32_t RowBytes(int32_t width) { return (width + 3) & ~3; }

}  // namespace

MemoryImage::MemoryImage(int32_t width, int32_t height, int32_t fillIndex) {
  if (!AllocateBlock(width, height)) return;
  uint8_t* bits = mMemory.Lock();
  std::memset(bits, fillIndex & 0xFF, mMemory.GetSize());
  mMemory.Unlock();
}

MemoryImage::MemoryImage(const FlatImage* pImage, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                         int32_t srcBottom) {
  if (!pImage || srcLeft < 0 || srcTop < 0 || srcRight <= srcLeft || srcBottom <= srcTop) return;
  if (srcRight > pImage->mWidth || srcBottom > pImage->mHeight) return;
  if (!AllocateBlock(srcRight - srcLeft, srcBottom - srcTop)) return;
  if (!pImage->mpBits) return;
  uint8_t* bits = mMemory.Lock();
  const int32_t stride = RowBytes(mWidth);
  for (int32_t row = 0; row < mHeight; ++row) {
    const uint8_t* from = pImage->mpBits + static_cast<ptrdiff_t>(srcTop + row) * pImage->mStride + srcLeft;
    std::memcpy(bits + static_cast<ptrdiff_t>(row) * stride, from, static_cast<size_t>(mWidth));
  }
  mMemory.Unlock();
}

MemoryImage::~MemoryImage() {
  if (mLockCount > 0) gLockCount -= mLockCount;
}

bool MemoryImage::AllocateBlock(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return false;
  if (!mMemory.Allocate(static_cast<size_t>(RowBytes(width)) * static_cast<size_t>(height))) return false;
  mWidth = width;
  mHeight = height;
  return true;
}

int32_t MemoryImage::Lock() {
  if (mLockCount == 0) {
    mpBits = mMemory.Lock();
    if (!mpBits) return 0;
    mStride = RowBytes(mWidth);
  }
  ++mLockCount;
  ++gLockCount;
  return mLockCount;
}

int32_t MemoryImage::Unlock() {
  if (mLockCount <= 0 || !mpBits) return 0;
  --gLockCount;
  if (--mLockCount == 0) {
    mStride = 0;
    mpBits = nullptr;
    mMemory.Unlock();
  }
  return mLockCount;
}
