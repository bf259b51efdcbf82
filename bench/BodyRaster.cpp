// The body rasteriser's speed per pixel: plain spans, the three disc styles, faces and both
// limbs, each into a 640 x 480 frame.
#include <benchmark/benchmark.h>

#include <vector>

#include "X/Body/BodyDiscs.h"
#include "X/Body/BodyFaceDraw.h"
#include "X/Body/BodyLimbs.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/FaceTable.h"
#include "X/Body/RoundedSquareRoots.h"
#include "peoplefiles/FaceBitmapGroup.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

// A frame to draw into, with the square roots and faces ready.
class RasterFrame {
public:
  RasterFrame() : mPixels(static_cast<size_t>(kWidth) * kHeight, 19) {
    FillRoundedSquareRoots();
    SetBodyFaceGroup(mFaces.Group());
    gBodyRaster = {mPixels.data(), kWidth, kWidth - 1, kHeight - 1, false};
  }
  ~RasterFrame() {
    gBodyRaster = {};
    SetBodyFaceGroup(nullptr);
  }
  // Pixels the frame holds other than its background: what one draw wrote.
  int64_t Drawn() const {
    int64_t count = 0;
    for (uint8_t pixel : mPixels) count += pixel != 19;
    return count;
  }

private:
  FaceBitmapGroup mFaces;
  std::vector<uint8_t> mPixels;
};

// Runs the draw and reports the nanoseconds per pixel it writes.
template <typename Draw>
void PerPixel(benchmark::State& state, Draw draw) {
  RasterFrame frame;
  draw();
  const int64_t pixels = frame.Drawn();
  for (auto _ : state) draw();
  state.SetItemsProcessed(state.iterations() * pixels);
  state.counters["ns_per_pixel"] =
      benchmark::Counter(static_cast<double>(state.iterations() * pixels), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Spans(benchmark::State& state) {
  const auto length = static_cast<int32_t>(state.range(0));
  PerPixel(state, [length] {
    for (int32_t y = 0; y < 100; ++y) DrawHorzLine(7, 7 + length - 1, y, 100);
  });
}
BENCHMARK(Spans)->Arg(5)->Arg(16)->Arg(51);

void Discs(benchmark::State& state) {
  const auto style = static_cast<DiscStyle>(state.range(0));
  const auto diameter = static_cast<int32_t>(state.range(1));
  PerPixel(state, [style, diameter] { DrawBall(320, 240, 0, 0, diameter, 132, style); });
}
BENCHMARK(Discs)->ArgsProduct({{0, 1, 2}, {9, 30, 51}});

void Faces(benchmark::State& state) {
  const auto radius = static_cast<int32_t>(state.range(0));
  PerPixel(state, [radius] { drawface(320, 240, 0, radius, 4.9f, 1.0f, kFaceTable[0]); });
}
BENCHMARK(Faces)->Arg(6)->Arg(18)->Arg(33);

void StraightLimbs(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  PerPixel(state, [width] { DrawLine(300, 100, 0, 340, 300, 0, 84, width); });
}
BENCHMARK(StraightLimbs)->Arg(3)->Arg(12)->Arg(25);

void TaperedLimbs(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  PerPixel(state, [width] { DrawTaperedLine(300, 100, 0, 340, 300, 0, width / 3, 84, width); });
}
BENCHMARK(TaperedLimbs)->Arg(3)->Arg(12)->Arg(25);

}  // namespace
