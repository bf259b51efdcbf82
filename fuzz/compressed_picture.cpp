// The compressed-picture file through the picture, and its bytes straight through the row
// decoders, into a small image at several places and clips.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Drovane/CompressedPicture.h"
#include "Drovane/CompressedRows.h"
#include "Drovane/MemoryImage.h"
#include "FuzzFolder.h"
#include "platform/FilePath.h"

namespace {

struct Placement {
  int32_t x, y, clipLeft, clipTop, clipRight, clipBottom;
};

constexpr Placement kPlacements[] = {
    {0, 0, 0, 0, 48, 32}, {-5, -3, 2, 1, 40, 30}, {40, 28, -100, -100, 100, 100}, {3, 2, 10, 10, 11, 11}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool inFolder = chdir(platform::ResolvePath(FuzzFolder()).c_str()) == 0;
  if (!inFolder) std::abort();
  WriteFuzzFile("pic00001.mxs", data, size);
  MemoryImage image(48, 32, 0);
  if (image.Lock() == 0) std::abort();
  CompressedPicture picture(1);
  if (picture.Lock() > 0) {
    for (const Placement& p : kPlacements) {
      picture.Draw(&image, p.x, p.y, p.clipLeft, p.clipTop, p.clipRight, p.clipBottom);
    }
    picture.Unlock();
  }
  const uint8_t key = size > 0 ? data[0] : 0;
  DecodeRowsUnclipped(image.mpBits, image.mStride, data, data + size, image.mHeight, image.mWidth, key);
  DecodeRowsClipped(image.mpBits, image.mStride, data, data + size, 7, image.mWidth - 7, image.mHeight, key);
  image.Unlock();
  return 0;
}
