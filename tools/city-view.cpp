// Draws a city in 3D as the world draws it, into a 640 x 480 picture through the object
// sets' colour map: the world started on the default data set, the city started, the
// camera placed (by default over the start site) and the cells in view drawn once.
//   city-view CITY OUT.png [--x X --z Z] [--height H] [--heading DEGREES] [--pitch DEGREES]
//             [--night] [--depth 13-61] [--untextured-ground] [--seconds S]
// With --seconds the world steps that long at 30 steps a second first, the camera its viewer.
#include <cstdio>
#include <string>

#include "Drovane/DataPaths.h"
#include "cityview/CityCamera.h"
#include "cityview/CityViewOptions.h"
#include "cityview/PictureFile.h"
#include "game/world/CityStart.h"
#include "game/world/DrawVisibleCells.h"
#include "pel3d/draw/TerrainGrid.h"
#include "game/world/ViewDepth.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldCity.h"
#include "game/world/WorldInit.h"
#include "game/world/WorldLighting.h"
#include "game/world/WorldFrameTime.h"
#include "game/world/WorldResources.h"
#include "game/world/WorldTick.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"
#include "platform/DataRoots.h"
#include "platform/Process.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr int32_t kStepsPerSecond = 30;

int Fail(const std::string& what) {
  std::fprintf(stderr, "city-view: %s\n", what.c_str());
  return 1;
}

// The first object set's colour map: the palette the city is drawn in.
ResourceGroup* LoadPalette() {
  std::string path;
  if (!gDataPaths.GetPathString(kDataGeometry, 0, "PEL3D1.ZEF", path)) return nullptr;
  return LoadResourceGroup(path, kGroupColourMap, "PEL3D1");
}

// The world stepped for that long at a fixed frame time, the camera's cell its viewer's.
void RunWorld(const CityViewOptions& options) {
  PlaceCamera(CameraPoseOf(options));
  FrameStep = kFixedOne / kStepsPerSecond;
  for (int step = 0; step < options.seconds * kStepsPerSecond; ++step) WorldTick();
}

// The view drawn over the whole picture, which starts as the sky.
Picture Draw(const CityViewOptions& options) {
  RenderSurface surface{0, 0, kWidth, kHeight, 0, kWidth, kHeight};
  SetRenderSurface(surface);
  ComputeViewFrustum();
  std::vector<uint8_t> buffer(static_cast<std::size_t>(GetFrameBufferSize()), static_cast<uint8_t>(GetClearColour()));
  SetFrameBuffer(buffer.data());
  PlaceCamera(CameraPoseOf(options));
  CenterViewGrid();
  DrawVisibleCells(WorldBitmapGroup);
  buffer.resize(static_cast<std::size_t>(kWidth * kHeight));
  return {kWidth, kHeight, std::move(buffer)};
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const CityViewOptions options = ParseCityViewOptions(argc - 1, argv + 1, error);
  if (!error.empty()) {
    std::fprintf(stderr, "city-view: %s\n%s\n", error.c_str(), CityViewUsage().c_str());
    return 2;
  }
  gDataPaths.SetRoots(platform::SecondDataRoot(), platform::SecondDataRoot());
  SetWorldCity(platform::ToGamePath(options.city));
  if (WorldInit() != 1) return Fail(options.city + ": the city could not be started");
  if (!WorldBitmapGroup) return Fail("the world's bitmaps did not load");
  if (gCityFellBack) std::fprintf(stderr, "city-view: %s could not be read: the default city is drawn\n", options.city.c_str());
  SetViewDepth(options.depth);
  if (options.night) WorldLighting(1);
  SetTerrainTextures(options.untexturedGround ? 0 : 1);
  RunWorld(options);
  const Picture picture = Draw(options);
  ResourceGroup* palette = LoadPalette();
  if (!palette) return Fail("the colour map of PEL3D1.ZEF did not load");
  const bool written = WritePicture(options.output, picture, GetColourMapPalette(palette), error);
  FreeResourceGroup(palette);
  if (!written) return Fail(options.output + ": " + error);
  std::printf("city-view: %s: %d x %d, %d colours, %d cells in view\n", options.output.c_str(), kWidth, kHeight,
              CountColours(picture), gGrid.cellCount);
  return 0;
}
