// The pointer-file reader, and the pointer made from what it read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Drovane/CursorFile.h"
#include "platform/Cursor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CursorImage image;
  std::string badField;
  if (!ReadCursorFile(data, size, image, badField)) return 0;
  platform::DestroyCursor(platform::CreateMaskCursor(image.width, image.height, image.hotX, image.hotY,
                                                     image.xorMask.data(), image.andMask.data()));
  return 0;
}
