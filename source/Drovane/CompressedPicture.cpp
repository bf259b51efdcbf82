#include "Drovane/CompressedPicture.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "Drovane/CompressedRows.h"
#include "Drovane/DebugLog.h"
#include "platform/WholeFile.h"

namespace {

constexpr int32_t kLastPictureNumber = 99999;
constexpr size_t kCountBytes = 4;
constexpr size_t kHeaderBytes = 9;

uint32_t ReadU32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

int16_t ReadS16(const uint8_t* bytes) { return static_cast<int16_t>(bytes[0] | bytes[1] << 8); }

struct PictureHeader {
  int32_t width;
  int32_t height;
  int32_t xOffset;
  int32_t yOffset;
  uint8_t key;
};

PictureHeader ReadHeader(const uint8_t* picture) {
  return {ReadS16(picture), ReadS16(picture + 2), ReadS16(picture + 4), ReadS16(picture + 6), picture[8]};
}

}  // namespace

std::string CompressedPicture::FileName(int32_t pictureNumber) {
  if (pictureNumber < 0 || pictureNumber > kLastPictureNumber) return {};
  char name[16];
  std::snprintf(name, sizeof name, "pic%05d.mxs", static_cast<int>(pictureNumber));
  return name;
}

CompressedPicture::CompressedPicture(int32_t pictureNumber) {
  const std::string name = FileName(pictureNumber);
  if (name.empty()) {
    DebugPrintf("CompressedPicture: picture number %d is outside 0-99999.\n", static_cast<int>(pictureNumber));
    return;
  }
  std::string bytes;
  if (!platform::ReadWholeFile(name, bytes)) return;
  if (!Load(name, bytes)) theHandle.Free();
}

bool CompressedPicture::Load(const std::string& name, const std::string& bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const uint32_t count = bytes.size() >= kCountBytes ? ReadU32(data) : 0;
  if (count == 0 || count > bytes.size() - kCountBytes) {
    DebugPrintf("CompressedPicture: %s holds %zu bytes, not a byte count and its bytes.\n", name.c_str(),
                bytes.size());
    return false;
  }
  if (count < kHeaderBytes) {
    DebugPrintf("CompressedPicture: %s is too short for its header.\n", name.c_str());
    return false;
  }
  const PictureHeader header = ReadHeader(data + kCountBytes);
  if (header.width < 0 || header.height < 0) {
    DebugPrintf("CompressedPicture: %s is %d x %d pixels.\n", name.c_str(), header.width, header.height);
    return false;
  }
  if (!theHandle.Allocate(count)) return false;
  uint8_t* block = theHandle.Lock();
  std::memcpy(block, data + kCountBytes, count);
  theHandle.Unlock();
  return true;
}

int32_t CompressedPicture::Lock() {
  if (mLockCount > 0) return ++mLockCount;
  mpLockedImage = theHandle.Lock();
  if (!mpLockedImage) return 0;
  return ++mLockCount;
}

int32_t CompressedPicture::Unlock() {
  if (mLockCount <= 0) return 0;
  if (--mLockCount == 0) {
    theHandle.Unlock();
    mpLockedImage = nullptr;
  }
  return mLockCount;
}

uint32_t CompressedPicture::Draw(FlatImage* pDest, int32_t x, int32_t y, int32_t clipLeft, int32_t clipTop,
                                 int32_t clipRight, int32_t clipBottom) {
  if (!mpLockedImage || !pDest || !pDest->mpBits) return 0;
  const PictureHeader header = ReadHeader(mpLockedImage);
  const uint8_t* rows = mpLockedImage + kHeaderBytes;
  const uint8_t* end = mpLockedImage + theHandle.GetSize();
  const int64_t clipL = std::max(clipLeft, 0), clipT = std::max(clipTop, 0);
  const int64_t clipR = std::min(clipRight, pDest->mWidth), clipB = std::min(clipBottom, pDest->mHeight);
  int64_t left = int64_t{x} + header.xOffset;
  int64_t top = int64_t{y} + header.yOffset;
  int64_t right = left + header.width;
  int64_t bottom = top + header.height;
  // Rows above the clip are passed over; a picture whose rows end there draws nothing.
  for (; top < clipT && top < bottom; ++top) {
    const uint32_t length = CompressedRowLength(rows, end);
    if (length == 0) return 0;
    rows += length;
  }
  bottom = std::min(bottom, clipB);
  right = std::min(right, clipR);
  const int64_t leftSkip = clipL > left ? clipL - left : 0;
  left = std::max(left, clipL);
  const int64_t height = bottom - top, width = right - left;
  if (height < 1 || width < 1) return 0;
  uint8_t* first = pDest->mpBits + static_cast<ptrdiff_t>(top) * pDest->mStride + left;
  const auto rowCount = static_cast<int32_t>(height);
  if (width == header.width) {
    DecodeRowsUnclipped(first, pDest->mStride, rows, end, rowCount, header.width, header.key);
  } else {
    DecodeRowsClipped(first, pDest->mStride, rows, end, static_cast<int32_t>(leftSkip), static_cast<int32_t>(width),
                      rowCount, header.key);
  }
  return 0;
}
