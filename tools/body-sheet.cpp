// Draws every body of an object set on one picture, each on a cell of its own, labelled with
// its id and seen from three-quarters through the engine's scene draw.
//   body-sheet SET.ZEF OUT.png [--night]
// The set's group is named after the file ("PEL3D1.ZEF" holds "PEL3D1"); the engine's
// bitmaps "PEL3D.BMP" (and "TILED1.BMP" when there is one) are read from the data set's
// "bmp" folder beside the set's "geo" folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bodysheet/BodySheet.h"
#include "bodysheet/EngineSets.h"
#include "imagefiles/GamePalette.h"
#include "imagefiles/PngFile.h"
#include "pel3d/EngineStart.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/math/View.h"

namespace {

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s SET.ZEF OUT.png [--night]\n", program);
  return 2;
}

RgbImage ToRgb(const BodySheet& sheet) {
  RgbImage image{sheet.width, sheet.height, {}};
  image.pixels.reserve(sheet.pixels.size() * 3);
  for (uint8_t index : sheet.pixels) {
    const platform::Rgb& colour = GamePalette()[index];
    image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) return Usage(argv[0]);
  const bool night = argc == 4 && std::string(argv[3]) == "--night";
  if (argc == 4 && !night) return Usage(argv[0]);
  const std::filesystem::path set = argv[1];
  const std::string group = set.stem().string();
  const std::string bitmaps = (set.parent_path().empty() ? std::filesystem::path("..") : set.parent_path() / "..") / "bmp";

  InitEngine();
  SetPixelAspect(kFixedOne);
  SelectSceneDraw();
  EngineSets sets(bitmaps, {{set.string(), group}});
  if (!sets.Ready()) {
    std::fprintf(stderr, "body-sheet: %s: %s\n", set.c_str(), sets.Error().c_str());
    return 1;
  }
  const BodySheet sheet = DrawBodySheet(*sets.Groups().front(), sets, night);
  std::string message;
  if (!WritePng(argv[2], ToRgb(sheet), message)) {
    std::fprintf(stderr, "body-sheet: %s: %s\n", argv[2], message.c_str());
    return 1;
  }
  return 0;
}
