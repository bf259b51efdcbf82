// The whole draw of one frame of the textured, fogged test city, object textures on and off
// (terrain textures off), and with terrain textures on too, into a 640 x 480 buffer from a
// fixed camera above the roofs,
// beside a reference that fills as many pixels with a plain affine textured span loop; and
// each fill, the lines and a memset in ns per pixel.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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
#include "pel3d/raster/DepthCorrectedTiledFills.h"
#include "pel3d/raster/TiledFills.h"
#include "pel3d/raster/DepthCorrectedFills.h"
#include "pel3d/raster/TexturedFills.h"
#include "pel3d/raster/ScanConverter.h"
#include "pel3d/raster/EdgeCorrectedFill.h"
#include "pel3d/raster/GouraudFills.h"
#include "pel3d/raster/LineFills.h"
#include "pel3d/raster/RemapFills.h"
#include "pel3d/raster/ColumnPolygon.h"
#include "pel3d/raster/SpriteFills.h"
#include "pel3d/raster/WallFills.h"
#include "pel3d/bodies/Body.h"
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

// Counts every pixel the fills write, overdraw included.
int64_t gCounted = 0;
void CountingFill(const DrawBlock& block) {
  auto span = [](uint8_t*, int32_t, int32_t count) { gCounted += count; };
  ScanPolygon<ScanRules{}>(block.vertices, block.vertexCount, span);
}

// Counts the pixels a rasteriser with a walk of its own writes: drawn twice into a scratch
// frame, over colour 0 and over colour 255, a pixel it writes changes in one of the two.
template <RasterRoutine kRoutine>
void CountingWrites(const DrawBlock& block) {
  static std::vector<uint8_t> scratch(gFrame.size());
  std::vector<uint8_t> changed(gFrame.size(), 0);
  uint8_t* frame = GetFrameBuffer();
  for (uint8_t background : {uint8_t{0}, uint8_t{255}}) {
    std::fill(scratch.begin(), scratch.end(), background);
    SetFrameBuffer(scratch.data());
    kRoutine(block);
    for (std::size_t i = 0; i < scratch.size(); ++i) changed[i] |= scratch[i] != background;
  }
  SetFrameBuffer(frame);
  gCounted += std::count(changed.begin(), changed.end(), 1);
}

int64_t PixelsDrawn(CityDriver& driver) {
  gCounted = 0;
  for (RasterId id : {RasterId::kFillPolygonFlat, RasterId::kFillPolygonFlatFog, RasterId::kDrawTexturedPolygon,
                      RasterId::kDrawTexturedPolygonFog, RasterId::kDrawTexturedPolygonEdgeCorrected,
                      RasterId::kFillPolygonGouraud, RasterId::kFillPolygonGouraudFog, RasterId::kPaletteRemap,
                      RasterId::kFillPolygonTiled, RasterId::kFillPolygonTiledFog,
                      RasterId::kFillPolygonTiledPerspective16, RasterId::kFillPolygonTiledPerspective32,
                      RasterId::kFillPolygonPerspective16, RasterId::kFillPolygonPerspective32}) {
    BindRasterRoutine(id, CountingFill);
  }
  BindRasterRoutine(RasterId::kSprite, CountingWrites<DrawSprite>);
  BindRasterRoutine(RasterId::kFarSprite, CountingWrites<DrawSpriteFog>);
  BindRasterRoutine(RasterId::kWallColumnFirst, CountingWrites<DrawWallColumns>);
  BindRasterRoutine(RasterId::kWallColumnSecond, CountingWrites<DrawWallColumnsKeyed>);
  BindRasterRoutine(RasterId::kWallColumnThird, CountingWrites<DrawColumnPolygon>);
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

// The frame with object and terrain textures on: the ground tiled, perspective-correct near
// the camera.
void BM_CityFrameTerrain(benchmark::State& state) {
  TestCity& city = City();
  if (!city.Ready()) {
    state.SkipWithError(city.Error().c_str());
    return;
  }
  CityDriver driver(city, static_cast<int32_t>(state.range(0)), false, true, true);
  const int64_t pixels = PixelsDrawn(driver);
  for (auto _ : state) {
    driver.DrawFrame();
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["ground"] = gDrawSettings.counters.groundPolygons;
  state.counters["polygons"] = gDrawSettings.counters.polygons;
  state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK(BM_CityFrameTerrain)
    ->ArgName("depth")
    ->Arg(13)->Arg(37)->Arg(61)
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
// the threshold at the left to the view distance at the right. The tiled fills repeat a tile
// of 32 texels twice across it.
template <void (*kFill)(const DrawBlock&)>
void BM_Fill(benchmark::State& state) {
  TestCity& city = City();
  std::vector<uint8_t> pattern(64 * 64);
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 7);
  const Bitmap bitmap{64, 64, 0, pattern.data(), nullptr};
  std::vector<uint8_t> tiled(256 * 256);
  for (std::size_t i = 0; i < tiled.size(); ++i) tiled[i] = static_cast<uint8_t>(i * 7);
  const TileRecord tile{0x1F1F, tiled.data()};
  SetShadeTable(city.ShadeTable(false), kShadeRows);
  SetFogThreshold(Fixedpoint{100} << 16);
  SetFogRange(Fixedpoint{64} << 16);
  constexpr int32_t kRight = kViewWidth << 12, kBottom = kViewHeight << 12;
  constexpr Fixedpoint kNear = Fixedpoint{100} << 16, kFar = Fixedpoint{164} << 16, kEnd = 63 << 16;
  ScreenVertex first[3] = {{0, 0, kNear, 0, kEnd}, {kRight, 0, kFar, kEnd, 0}, {kRight, kBottom, kFar, kEnd, kEnd}};
  ScreenVertex second[3] = {{0, 0, kNear, 0, 0}, {kRight, kBottom, kFar, kEnd, kEnd}, {0, kBottom, kNear, 0, kEnd}};
  DrawBlock a{3, first, 42, &bitmap, &tile, nullptr};
  DrawBlock b{3, second, 42, &bitmap, &tile, nullptr};
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
BENCHMARK(BM_Fill<DrawTexturedPolygonEdgeCorrected>)->Name("BM_DrawTexturedPolygonEdgeCorrected");
BENCHMARK(BM_Fill<FillPolygonGouraud>)->Name("BM_FillPolygonGouraud");
BENCHMARK(BM_Fill<FillPolygonGouraudFog>)->Name("BM_FillPolygonGouraudFog");
// The pattern's first 256 bytes as the remap table (key 0).
BENCHMARK(BM_Fill<FillPolygonRemap>)->Name("BM_FillPolygonRemap");

// Lines fanning out from the view's centre to every fourth pixel of its border, in ns per
// pixel drawn (each line lights max(dx, dy) + 1 pixels).
template <void (*kLine)(const DrawBlock&)>
void BM_Lines(benchmark::State& state) {
  TestCity& city = City();
  SetRemapTables(city.ShadeTable(false), kShadeRows);  // rows of the shade table as remap tables
  std::vector<ScreenVertex> ends;
  int64_t pixels = 0;
  constexpr int32_t kCentreX = kViewWidth / 2, kCentreY = kViewHeight / 2;
  auto addLine = [&](int32_t x, int32_t y) {
    ends.push_back({kCentreX << 12, kCentreY << 12, 0, 0, 0});
    ends.push_back({x << 12, y << 12, 0, 0, 0});
    pixels += std::max(std::abs(x - kCentreX), std::abs(y - kCentreY)) + 1;
  };
  for (int32_t x = 0; x < kViewWidth - 4; x += 4) {
    addLine(x, 0);
    addLine(x, kViewHeight - 1);
  }
  for (int32_t y = 0; y < kViewHeight; y += 4) {
    addLine(0, y);
    addLine(kViewWidth - 4, y);
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < ends.size(); i += 2) kLine(DrawBlock{2, &ends[i], 0, nullptr, nullptr, nullptr});
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["ns_per_pixel"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Lines<DrawSolidLine>)->Name("BM_DrawSolidLine");
BENCHMARK(BM_Lines<DrawRemapLine>)->Name("BM_DrawRemapLine");

BENCHMARK(BM_Fill<DrawColumnPolygon>)->Name("BM_DrawColumnPolygon");

std::vector<uint8_t> PatternTexels() {
  std::vector<uint8_t> pattern(64 * 64);
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(1 + i * 7 % 255);
  return pattern;
}

// A sprite over the whole view, stretching a 64 x 64 bitmap, with the face flags of its
// variant (0 opaque, 0x10 transparent, 0x1 translucent); range(1) 1 draws it fogged.
void BM_Sprite(benchmark::State& state) {
  TestCity& city = City();
  std::vector<uint8_t> pattern = PatternTexels();
  const Bitmap bitmap{64, 64, 0, pattern.data(), nullptr};
  SetShadeTable(city.ShadeTable(false), kShadeRows);
  SetTranslucencyTable(city.ShadeTable(false), kShadeRows);
  SetFogThreshold(Fixedpoint{100} << 16);
  SetFogRange(Fixedpoint{64} << 16);
  Face face;
  face.flags = static_cast<uint32_t>(state.range(0));
  ScreenVertex sprite[2] = {{kViewWidth << 11, kViewHeight << 11, Fixedpoint{130} << 16, 0, 0},
                            {kViewWidth << 11, kViewHeight << 11, 0, 64 << 16, 64 << 16}};
  const DrawBlock block{2, sprite, 0, &bitmap, nullptr, &face};
  const auto draw = state.range(1) ? DrawSpriteFog : DrawSprite;
  for (auto _ : state) {
    draw(block);
    benchmark::DoNotOptimize(gFrame.data());
  }
  state.counters["ns_per_pixel"] = benchmark::Counter(static_cast<double>(kViewWidth * kViewHeight),
                                                      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Sprite)->ArgNames({"flags", "fog"})->Args({0, 0})->Args({0x10, 0})->Args({0x1, 0})->Args({0, 1});

// A wall across the view, its left side the view's height and its right side the height
// of range(0) rows, so the edges are parallel (linear), converge gently (adaptive) or
// strongly (every 4 columns); range(1) 1 draws it keyed.
void BM_Wall(benchmark::State& state) {
  City();
  std::vector<uint8_t> pattern = PatternTexels();
  const Bitmap bitmap{64, 64, 0, pattern.data(), nullptr};
  const int32_t right = static_cast<int32_t>(state.range(0));
  const int32_t inset = (kViewHeight - 2 - right) / 2;
  ScreenVertex wall[4] = {{0, 1 << 12, 0, 0, 0},
                          {kViewWidth << 12, (1 + inset) << 12, 0, 63 << 16, 0},
                          {kViewWidth << 12, (1 + inset + right) << 12, 0, 63 << 16, 63 << 16},
                          {0, (kViewHeight - 1) << 12, 0, 0, 63 << 16}};
  const DrawBlock block{4, wall, 0, &bitmap, nullptr, nullptr};
  const auto draw = state.range(1) ? DrawWallColumnsKeyed : DrawWallColumns;
  for (auto _ : state) {
    draw(block);
    benchmark::DoNotOptimize(gFrame.data());
  }
  const double pixels = kViewWidth * (kViewHeight + right + 2) / 2.0;
  state.counters["ns_per_pixel"] =
      benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Wall)->ArgNames({"right", "keyed"})->ArgsProduct({{398, 300, 100}, {0, 1}});

BENCHMARK(BM_Fill<FillPolygonTiled>)->Name("BM_FillPolygonTiled");
BENCHMARK(BM_Fill<FillPolygonTiledFog>)->Name("BM_FillPolygonTiledFog");
BENCHMARK(BM_Fill<FillPolygonTiledPerspective16>)->Name("BM_FillPolygonTiledPerspective16");
BENCHMARK(BM_Fill<FillPolygonTiledPerspective32>)->Name("BM_FillPolygonTiledPerspective32");
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
