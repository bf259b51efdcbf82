// The bitmap-file reader: a back buffer made from the file, its pixels read again, and the
// file's colour table read as a palette.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Drovane/BackBuffer.h"
#include "Drovane/BitmapFileReader.h"
#include "Drovane/DirectDrawObject.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool enabled = DDEnable() == 0;
  if (!enabled) std::abort();
  const std::string path = WriteFuzzFile("picture.bmp", data, size);
  {
    CBackBuffer buffer(path.c_str());
    if (buffer.GetSurface()) buffer.LoadImageFile();
  }
  uint32_t entries[256];
  LoadBitmapPalette(path.c_str(), entries);
  if (gSurfaceMemory != 0 || gLockCount != 0) {
    std::fprintf(stderr, "surface memory %d and locks %d left\n", gSurfaceMemory, gLockCount);
    std::abort();
  }
  return 0;
}
