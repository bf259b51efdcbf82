#include <benchmark/benchmark.h>

#include <cstdlib>

#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/GdiFont.h"

namespace {

// 60 characters, as a long message line or a list row of the screens.
constexpr const char* kLine = "Fire reported at the harbour: bring the water bucket, pilot!";

// The line in a 12-pixel face into a 640 x 480 back buffer, transparent, with its glyphs
// drawn once before.
void BM_DrawBufferText(benchmark::State& state) {
  if (DDEnable() != 0) std::abort();
  {
    CBackBuffer buffer(640, 480);
    GdiFont font("Arial", 12, 0, 0, 1);
    buffer.mTextColor = 0x00FFFFFF;
    platform::Rect rect{10, 200, 630, 260};
    buffer.DrawBufferText(kLine, -1, 0, &rect, &font);
    for (auto _ : state) {
      rect = {10, 200, 630, 260};
      benchmark::DoNotOptimize(buffer.DrawBufferText(kLine, -1, 0, &rect, &font));
    }
  }
  DDDisable();
}
BENCHMARK(BM_DrawBufferText);

void BM_MeasureText(benchmark::State& state) {
  GdiFont font("Arial", 12, 0, 0, 1);
  int32_t width = 0, height = 0;
  font.MeasureText(kLine, &width, &height);
  for (auto _ : state) benchmark::DoNotOptimize(font.MeasureText(kLine, &width, &height));
}
BENCHMARK(BM_MeasureText);

}  // namespace
