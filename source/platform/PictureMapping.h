#pragma once
#include "platform/WindowMessages.h"

namespace platform {

// Where a picture is shown inside a window: scaled as large as fits with its aspect kept
// and centred; the bars left over on two sides are the letterbox.
struct PictureFit {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

PictureFit FitPicture(Point windowPixels, Point pictureSize);

// A point in window pixels in the picture's coordinates. A point in the letterbox, or
// outside the window during a capture, reads outside the picture (negative or past its size).
Point WindowToPicture(Point windowPoint, Point windowPixels, Point pictureSize);

}  // namespace platform
