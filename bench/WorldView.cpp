// The world's per-frame view of the default city: the cells in view listed, their objects
// spread and placed, and the frame drawn, at the three view depths, with the ground
// textured and untextured, from above the start site.
#include <benchmark/benchmark.h>

#include <vector>

#include "Drovane/DataPaths.h"
#include "cityview/CityCamera.h"
#include "game/world/DrawVisibleCells.h"
#include "game/world/ViewDepth.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldInit.h"
#include "game/world/WorldResources.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"
#include "platform/DataRoots.h"

namespace {

// The world started once, on the default data set, for every benchmark of the program.
bool WorldStarted() {
  static const bool started = [] {
    gDataPaths.SetRoots(platform::SecondDataRoot(), platform::SecondDataRoot());
    return WorldInit() == 1 && WorldBitmapGroup;
  }();
  return started;
}

void BM_DrawVisibleCells(benchmark::State& state) {
  if (!WorldStarted()) {
    state.SkipWithError("the world did not start on the default data set");
    return;
  }
  const auto depth = static_cast<int32_t>(state.range(0));
  SetTerrainTextures(static_cast<int32_t>(state.range(1)));
  RenderSurface surface = WorldRenderSurface();
  SetRenderSurface(surface);
  ComputeViewFrustum();
  std::vector<uint8_t> frame(static_cast<std::size_t>(GetFrameBufferSize()));
  SetFrameBuffer(frame.data());
  SetViewDepth(depth);
  PlaceCamera(CameraPoseOf(CityViewOptions{}));
  CenterViewGrid();
  for (auto _ : state) {
    DrawVisibleCells(WorldBitmapGroup);
    benchmark::DoNotOptimize(frame.data());
  }
  state.counters["cells"] = gGrid.cellCount;
}

}  // namespace

BENCHMARK(BM_DrawVisibleCells)
    ->ArgNames({"depth", "terrainTextures"})
    ->ArgsProduct({{13, 37, 61}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);
