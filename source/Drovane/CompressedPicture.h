#pragma once
#include <cstdint>
#include <string>

#include "Drovane/FlatImage.h"
#include "Drovane/MovableMemory.h"

// An 8-bit picture in the framework's run-length form (CompressedRows.h), read from the
// file "pic" + its number in five digits + ".mxs" in the current folder, and drawn clipped
// into a locked image. The file is a 32-bit byte count and that many bytes of picture: a
// 9-byte header (16-bit width, height, x offset and y offset, all signed, and the key
// colour index) and the rows.
class CompressedPicture {
public:
  // An empty picture.
  CompressedPicture() = default;
  // Reads the picture's file. A number outside 0 to 99999, a file whose byte count is 0
  // or passes its end, or a picture of negative size gives an empty picture and a debug
  // line; a missing file gives an empty picture.
  explicit CompressedPicture(int32_t pictureNumber);

  // The new lock count; the first lock reaches the picture's bytes. 0 for an empty picture.
  int32_t Lock();
  // The locks left; 0 when it was not locked.
  int32_t Unlock();
  // Draws the picture with its top-left corner at (x + x offset, y + y offset) into the
  // locked image, inside the clip rectangle (right and bottom exclusive) and the image.
  // Nothing without a lock. Returns 0.
  uint32_t Draw(FlatImage* pDest, int32_t x, int32_t y, int32_t clipLeft, int32_t clipTop, int32_t clipRight,
                int32_t clipBottom);

  // The file name of a picture number; empty outside 0 to 99999.
  static std::string FileName(int32_t pictureNumber);

  MovableMemory theHandle;
  uint8_t* mpLockedImage = nullptr;
  int32_t mLockCount = 0;

private:
  bool Load(const std::string& name, const std::string& bytes);
};
