#include "imagefiles/PngFile.h"

#include <png.h>

#include <cstring>

bool ReadPng(const std::string& path, RgbImage& image, std::string& message) {
  image = RgbImage{};
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    message = png.message;
    return false;
  }
  png.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
    message = png.message;
    png_image_free(&png);
    return false;
  }
  image.width = static_cast<int32_t>(png.width);
  image.height = static_cast<int32_t>(png.height);
  image.pixels = std::move(pixels);
  return true;
}

bool WritePng(const std::string& path, const RgbImage& image, std::string& message) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3) {
    message = "the picture's size does not match its pixels";
    return false;
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr)) {
    message = png.message;
    return false;
  }
  return true;
}
