#include "Drovane/FlatImage.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "Drovane/ErrorReport.h"

using platform::Rect;

int32_t gLockCount = 0;

namespace {

// Locks two images for the span of one operation.
class LockedPair {
public:
  LockedPair(FlatImage& a, FlatImage& b) : mA(a), mB(b) {
    mLockedA = mA.Lock() > 0;
    mLockedB = mB.Lock() > 0;
  }
  ~LockedPair() {
    if (mLockedB) mB.Unlock();
    if (mLockedA) mA.Unlock();
  }
  LockedPair(const LockedPair&) = delete;
  LockedPair& operator=(const LockedPair&) = delete;
  bool Ready() const { return mLockedA && mLockedB && mA.mpBits && mB.mpBits; }

private:
  FlatImage& mA;
  FlatImage& mB;
  bool mLockedA = false;
  bool mLockedB = false;
};

bool Inside(const FlatImage& image, int32_t x, int32_t y, int32_t width, int32_t height) {
  return x >= 0 && y >= 0 && width > 0 && height > 0 && int64_t{x} + width <= image.mWidth &&
         int64_t{y} + height <= image.mHeight;
}

uint8_t* PixelAt(const FlatImage& image, int32_t x, int32_t y) {
  return image.mpBits + static_cast<ptrdiff_t>(y) * image.mStride + x;
}

}  // namespace

void FlatImage::SetTransparentColor(bool, int32_t) {}

uint32_t FlatImage::ComposeClipped(FlatImage* dest, int32_t x, int32_t y, int32_t clipLeft, int32_t clipTop,
                                   int32_t clipRight, int32_t clipBottom) {
  if (!dest) return kNoError;
  LockedPair locked(*this, *dest);
  if (!locked.Ready()) return kNoError;
  const int64_t left = std::max<int64_t>({x, clipLeft, 0});
  const int64_t top = std::max<int64_t>({y, clipTop, 0});
  const int64_t right = std::min<int64_t>({int64_t{x} + mWidth, clipRight, dest->mWidth});
  const int64_t bottom = std::min<int64_t>({int64_t{y} + mHeight, clipBottom, dest->mHeight});
  if (right <= left || bottom <= top) return kNoError;
  for (int64_t row = top; row < bottom; ++row) {
    const uint8_t* from = PixelAt(*this, static_cast<int32_t>(left - x), static_cast<int32_t>(row - y));
    std::memcpy(PixelAt(*dest, static_cast<int32_t>(left), static_cast<int32_t>(row)), from,
                static_cast<size_t>(right - left));
  }
  return kNoError;
}

uint32_t FlatImage::CopyScaled(FlatImage* dest, int32_t srcX, int32_t srcY, int32_t srcWidth, int32_t srcHeight,
                               int32_t destX, int32_t destY, int32_t destWidth, int32_t destHeight) {
  if (!dest || destWidth < srcWidth || destHeight < srcHeight) return kErrorFailure;
  LockedPair locked(*this, *dest);
  if (!locked.Ready()) return kErrorFailure;
  if (!Inside(*this, srcX, srcY, srcWidth, srcHeight) || !Inside(*dest, destX, destY, destWidth, destHeight)) {
    return kErrorFailure;
  }
  // Error terms step the source once every destWidth / srcWidth pixels across and every
  // destHeight / srcHeight rows down.
  const uint8_t* srcRow = PixelAt(*this, srcX, srcY);
  uint8_t* destRow = PixelAt(*dest, destX, destY);
  int32_t rowError = -destHeight;
  for (int32_t rowsDone = 0; rowsDone < srcHeight;) {
    const uint8_t* from = srcRow;
    uint8_t* to = destRow;
    int32_t columnError = -destWidth;
    for (int32_t passed = 0; passed < srcWidth;) {
      *to++ = *from;
      columnError += srcWidth;
      if (columnError >= 0) {
        columnError -= destWidth;
        ++from;
        ++passed;
      }
    }
    destRow += dest->mStride;
    rowError += srcHeight;
    if (rowError >= 0) {
      rowError -= destHeight;
      srcRow += mStride;
      ++rowsDone;
    }
  }
  return kNoError;
}

uint32_t FlatImage::CopyRectTo(FlatImage* dest, int32_t destLeft, int32_t destTop, int32_t destRight,
                               int32_t destBottom, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                               int32_t srcBottom) {
  return CopyScaled(dest, srcLeft, srcTop, srcRight - srcLeft, srcBottom - srcTop, destLeft, destTop,
                    destRight - destLeft, destBottom - destTop);
}

uint32_t FlatImage::FillPixels(int32_t index, const Rect* rect) {
  if (!rect) return kNoError;
  const int32_t left = std::max(rect->left, 0);
  const int32_t top = std::max(rect->top, 0);
  const int32_t right = std::min(rect->right, mWidth);
  const int32_t bottom = std::min(rect->bottom, mHeight);
  if (right <= left || bottom <= top) return kNoError;
  if (Lock() == 0) return kNoError;
  if (mpBits) {
    for (int32_t y = top; y < bottom; ++y) std::memset(PixelAt(*this, left, y), index & 0xFF, right - left);
  }
  Unlock();
  return kNoError;
}
