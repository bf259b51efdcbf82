#include "cityview/PictureFile.h"

#include <array>

#include "imagefiles/PngFile.h"

int32_t CountColours(const Picture& picture) {
  std::array<bool, 256> used{};
  for (uint8_t index : picture.pixels) used[index] = true;
  int32_t count = 0;
  for (bool u : used) count += u ? 1 : 0;
  return count;
}

bool WritePicture(const std::string& path, const Picture& picture, const uint8_t* palette, std::string& message) {
  RgbImage image{picture.width, picture.height, {}};
  image.pixels.reserve(picture.pixels.size() * 3);
  for (uint8_t index : picture.pixels) {
    const uint8_t* colour = palette + 3 * index;
    image.pixels.insert(image.pixels.end(), colour, colour + 3);
  }
  return WritePng(path, image, message);
}
