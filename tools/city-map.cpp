// Prints what a city file holds, or why it cannot be read (exit status 1):
//   city-map FILE [--png OUT]
// With --png it also draws the tile map, 4 pixels a tile, coloured by what stands on each.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "citymap/CityMapImage.h"
#include "citymap/CityReport.h"
#include "game/world/CityFile.h"
#include "imagefiles/GamePalette.h"
#include "imagefiles/PngFile.h"
#include "platform/Process.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: city-map FILE [--png OUT]\n");
  return 2;
}

bool WriteMapPicture(const CityArrays& city, const std::string& path) {
  RgbImage image{kCityMapPixels, kCityMapPixels, {}};
  const GamePaletteColours& palette = GamePalette();
  for (uint8_t index : DrawCityMap(city)) {
    const platform::Rgb& colour = palette[index];
    image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
  }
  std::string message;
  if (WritePng(path, image, message)) return true;
  std::fprintf(stderr, "%s\n", message.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--png") == 0)) return Usage();
  auto city = std::make_unique<CityArrays>();
  std::string reason;
  if (!CityFileRead(platform::ToGamePath(argv[1]), *city, &reason)) {
    std::printf("%s: %s\n", argv[1], reason.c_str());
    return 1;
  }
  std::fputs(DescribeCity(*city).c_str(), stdout);
  if (argc == 4 && !WriteMapPicture(*city, argv[3])) return 1;
  return 0;
}
