#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An RGB picture, 3 bytes a pixel, rows top-down.
struct RgbImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
};

// PNG files through libpng; paths are Linux paths. False (and an empty image) when the file
// does not open or is not a PNG; a message names the problem.
bool ReadPng(const std::string& path, RgbImage& image, std::string& message);
bool WritePng(const std::string& path, const RgbImage& image, std::string& message);
