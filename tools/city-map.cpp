// Prints what a city file holds, or why it cannot be read (exit status 1):
//   city-map FILE [--png OUT] [--cells OUT]
// With --png it also draws the tile map, 4 pixels a tile, coloured by what stands on each.
// With --cells it starts the city as the game does (without its bodies) and draws the
// whole cell map, 2 pixels a cell, and prints its records and sites.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "citymap/CellMapImage.h"
#include "citymap/CityMapImage.h"
#include "citymap/CityReport.h"
#include "game/world/CityFile.h"
#include "game/world/CityStart.h"
#include "imagefiles/GamePalette.h"
#include "imagefiles/PngFile.h"
#include "platform/Process.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: city-map FILE [--png OUT] [--cells OUT]\n");
  return 2;
}

bool WritePicture(const std::vector<uint8_t>& indices, int side, const std::string& path) {
  RgbImage image{side, side, {}};
  const GamePaletteColours& palette = GamePalette();
  for (uint8_t index : indices) {
    const platform::Rgb& colour = palette[index];
    image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
  }
  std::string message;
  if (WritePng(path, image, message)) return true;
  std::fprintf(stderr, "%s\n", message.c_str());
  return false;
}

struct Options {
  std::string file;
  std::string png;
  std::string cells;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  if (argc < 2 || argc % 2 != 0) return false;
  options.file = argv[1];
  for (int i = 2; i < argc; i += 2) {
    if (std::strcmp(argv[i], "--png") == 0) {
      options.png = argv[i + 1];
    } else if (std::strcmp(argv[i], "--cells") == 0) {
      options.cells = argv[i + 1];
    } else {
      return false;
    }
  }
  return true;
}

bool DrawCells(const std::string& file, const std::string& out) {
  if (!CityStart(platform::ToGamePath(file))) {
    std::printf("%s: the cell map could not be built\n", file.c_str());
    return false;
  }
  std::fputs(DescribeCellMap().c_str(), stdout);
  return WritePicture(DrawCellMap(), kCellMapPixels, out);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return Usage();
  auto city = std::make_unique<CityArrays>();
  std::string reason;
  if (!CityFileRead(platform::ToGamePath(options.file), *city, &reason)) {
    std::printf("%s: %s\n", options.file.c_str(), reason.c_str());
    return 1;
  }
  std::fputs(DescribeCity(*city).c_str(), stdout);
  if (!options.png.empty() && !WritePicture(DrawCityMap(*city), kCityMapPixels, options.png)) return 1;
  if (!options.cells.empty() && !DrawCells(options.file, options.cells)) return 1;
  return 0;
}
