#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The 8-bit picture city-view draws and how it leaves: through a palette of 256 red, green,
// blue triples into a PNG file.
struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width x height, row by row
};

// How many palette indices the picture uses: 1 for a blank one.
int32_t CountColours(const Picture& picture);
// Writes the picture through the 768-byte palette; an empty message when it worked.
bool WritePicture(const std::string& path, const Picture& picture, const uint8_t* palette, std::string& message);
