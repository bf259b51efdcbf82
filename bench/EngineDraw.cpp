// The whole draw of one frame of the textured, fogged test city, object textures on and off
// (terrain textures off), into a 640 x 480 buffer from a fixed camera above the roofs,
// beside a reference that fills as many pixels with a plain affine textured span loop; and
// each fill and a memset in ns per pixel.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pel3d/EngineStart.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/math/View.h"
#include "pel3d/raster/FlatFills.h"
#include "pel3d/raster/FogFills.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/PerspectiveFills.h"
#include "pel3d/raster/TexturedFills.h"
#include "pel3d/raster/ScanConverter.h"
#include "support/TestCity.h"

namespace {

constexpr int32_t kViewWidth = 560;
constexpr int32_t kViewHeight = 400;
constexpr int32_t kPitch = 640;

std::vector<uint8_t> gFrame(static_cast<std::size_t>(kPitch) * 482);
int64_t gPixelsAtDepth61 = 0;

// The city in a temporary folder, loaded once for the whole run.
TestCity& City() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvorine-bench-XXXXXX").string();
    return std::string(mkdtemp(pattern.data()));
  }();
  static std::unique_ptr<TestCity> city = [] {
    InitEngine();
    RenderSurface surface{0, 0, kViewWidth, kViewHeight, 0, kPitch, 480};
    SetRenderSurface(surface);
    SetPixelAspect(kFixedOne);
    SetFrameBuffer(gFrame.data());
    SelectSceneDraw();
    return std::make_unique<TestCity>(folder);
  }();
  return *city;
}

// Counts every pixel the flat fill writes, overdraw included.
int64_t gCounted = 0;
void CountingFill(const DrawBlock& block) {
  auto span = [](uint8_t*, int32_t, int32_t count) { gCounted += count; };
  ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
}

int64_t PixelsDrawn(CityDriver& driver) {
  gCounted = 0;
  for (RasterId id : {RasterId::kFillPolygonFlat, RasterId::kFillPolygonFlatFog, RasterId::kDrawTexturedPolygon,
                      RasterId::kDrawTexturedPolygonFog, RasterId::kFillPolygonPerspective16,
                      RasterId::kFillPolygonPerspective32}) {
    BindRasterRoutine(id, CountingFill);
  }
  driver.DrawFrame();
  BindEngineRasterisers();
  return gCounted;
}

void BM_CityFrame(benchmark::State& state) {
  TestCity& city = City();
  if (!city.Ready()) {
    state.SkipWithError(city.Error().c_str());
    return;
  }
  const bool textures = state.range(1) != 0;
  CityDriver driver(city, static_cast<int32_t>(state.range(0)), false, textures);
  const int64_t pixels = PixelsDrawn(driver);
  if (state.range(0) == 61 && textures) gPixelsAtDepth61 = pixels;
  for (auto _ : state) {
    driver.DrawFrame();
    benchmark::DoNotOptimize(gFrame.data());
  }
  const DrawCounters& counters = gDrawSettings.counters;
  state.counters["ground"] = counters.groundPolygons;
  state.counters["polygons"] = counters.polygons;
  state.counters["faces"] = counters.facesConsidered;
  state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK(BM_CityFrame)
    ->ArgNames({"depth", "textures"})
    ->ArgsProduct({{13, 37, 61}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// The reference: the textured depth-61 frame's pixel count filled in spans of the view's width by a
// plain affine textured span loop from a 64 x 64 texture.
void BM_ReferenceSpans(benchmark::State& state) {
  std::vector<uint8_t> texture(64 * 64);
  for (std::size_t i = 0; i < texture.size(); ++i) texture[i] = static_cast<uint8_t>(i * 7);
  const int64_t pixels = gPixelsAtDepth61 > 0 ? gPixelsAtDepth61 : int64_t{kViewWidth} * kViewHeight;
  for (auto _ : state) {
    int64_t left = pixels;
    for (int32_t row = 0; left > 0; row = (row + 1) % kViewHeight) {
      const int32_t count = static_cast<int32_t>(std::min<int64_t>(left, kViewWidth));
      uint8_t* out = gFrame.data() + static_cast<std::ptrdiff_t>(row) * kPitch;
      uint32_t u = static_cast<uint32_t>(row) << 16, v = 0;
      const uint32_t du = 0x8000, dv = 0x3000;
      for (int32_t x = 0; x < count; ++x, u += du, v += dv) out[x] = texture[((v >> 10) & 0xFC0) | ((u >> 16) & 63)];
      left -= count;
    }
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["pixels"] = static_cast<double>(pixels);
  state.counters["ns_per_pixel"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReferenceSpans)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// One fill of the whole view as two triangles, in ns per pixel: the texture stretched over
// the view with v falling in one triangle and rising in the other, and the fog rising from
// the threshold at the left to the view distance at the right.
template <void (*kFill)(const DrawBlock&)>
void BM_Fill(benchmark::State& state) {
  TestCity& city = City();
  std::vector<uint8_t> pattern(64 * 64);
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 7);
  const Bitmap bitmap{64, 64, 0, pattern.data(), nullptr};
  SetShadeTable(city.ShadeTable(false), kShadeRows);
  SetFogThreshold(Fixedpoint{100} << 16);
  SetFogRange(Fixedpoint{64} << 16);
  constexpr int32_t kRight = kViewWidth << 12, kBottom = kViewHeight << 12;
  constexpr Fixedpoint kNear = Fixedpoint{100} << 16, kFar = Fixedpoint{164} << 16, kEnd = 63 << 16;
  ScreenVertex first[3] = {{0, 0, kNear, 0, kEnd}, {kRight, 0, kFar, kEnd, 0}, {kRight, kBottom, kFar, kEnd, kEnd}};
  ScreenVertex second[3] = {{0, 0, kNear, 0, 0}, {kRight, kBottom, kFar, kEnd, kEnd}, {0, kBottom, kNear, 0, kEnd}};
  DrawBlock a{3, first, 42, &bitmap, nullptr, nullptr};
  DrawBlock b{3, second, 42, &bitmap, nullptr, nullptr};
  for (auto _ : state) {
    kFill(a);
    kFill(b);
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["ns_per_pixel"] = benchmark::Counter(static_cast<double>(kViewWidth * kViewHeight),
                                                      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Fill<FillPolygonFlat>)->Name("BM_FillPolygonFlat");
BENCHMARK(BM_Fill<FillPolygonFirstPixel>)->Name("BM_FillPolygonFirstPixel");
BENCHMARK(BM_Fill<FillPolygonPattern>)->Name("BM_FillPolygonPattern");
BENCHMARK(BM_Fill<DrawTexturedPolygon>)->Name("BM_DrawTexturedPolygon");
BENCHMARK(BM_Fill<DrawTexturedPolygonKeyed>)->Name("BM_DrawTexturedPolygonKeyed");
BENCHMARK(BM_Fill<FillPolygonFlatFog>)->Name("BM_FillPolygonFlatFog");
BENCHMARK(BM_Fill<DrawTexturedPolygonFog>)->Name("BM_DrawTexturedPolygonFog");
BENCHMARK(BM_Fill<FillPolygonPerspective16>)->Name("BM_FillPolygonPerspective16");
BENCHMARK(BM_Fill<FillPolygonPerspective32>)->Name("BM_FillPolygonPerspective32");
BENCHMARK(BM_Fill<FillPolygonPerspectiveBody>)->Name("BM_FillPolygonPerspectiveBody");
BENCHMARK(BM_Fill<FillPolygonPerspectiveBodyTransparent>)->Name("BM_FillPolygonPerspectiveBodyTransparent");

void BM_Memset(benchmark::State& state) {
  for (auto _ : state) {
    for (int32_t row = 0; row < kViewHeight; ++row) std::memset(gFrame.data() + row * kPitch, 42, kViewWidth);
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["ns_per_pixel"] = benchmark::Counter(static_cast<double>(kViewWidth * kViewHeight),
                                                      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Memset);

}  // namespace
