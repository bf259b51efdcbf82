#include "platform/PictureMapping.h"

#include <cstdint>

namespace platform {
namespace {

// Division rounding toward minus infinity, so that the column left of the picture is -1.
int64_t FloorDivide(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --quotient;
  return quotient;
}

}  // namespace

PictureFit FitPicture(Point windowPixels, Point pictureSize) {
  PictureFit fit;
  if (windowPixels.x <= 0 || windowPixels.y <= 0 || pictureSize.x <= 0 || pictureSize.y <= 0)
    return fit;
  int64_t wideTest = int64_t{windowPixels.x} * pictureSize.y;
  int64_t tallTest = int64_t{windowPixels.y} * pictureSize.x;
  if (wideTest <= tallTest) {
    fit.width = windowPixels.x;
    fit.height = static_cast<int32_t>(wideTest / pictureSize.x);
  } else {
    fit.height = windowPixels.y;
    fit.width = static_cast<int32_t>(tallTest / pictureSize.y);
  }
  fit.left = (windowPixels.x - fit.width) / 2;
  fit.top = (windowPixels.y - fit.height) / 2;
  return fit;
}

Point WindowToPicture(Point windowPoint, Point windowPixels, Point pictureSize) {
  PictureFit fit = FitPicture(windowPixels, pictureSize);
  if (fit.width <= 0 || fit.height <= 0) return windowPoint;
  int64_t x = FloorDivide((int64_t{windowPoint.x} - fit.left) * pictureSize.x, fit.width);
  int64_t y = FloorDivide((int64_t{windowPoint.y} - fit.top) * pictureSize.y, fit.height);
  return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

}  // namespace platform
