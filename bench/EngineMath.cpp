// The engine's hot arithmetic: the 16.16 multiply and divide, the vertex transform and the
// point projection.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "pel3d/EngineStart.h"
#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"

namespace {

// Values spread over the range the game uses, so no single path is favoured.
std::array<Fixedpoint, 256> SampleValues() {
  std::array<Fixedpoint, 256> values{};
  uint32_t state = 12345;
  for (auto& value : values) {
    state = state * 1664525u + 1013904223u;
    value = static_cast<Fixedpoint>(state >> 8) - (1 << 23);
  }
  return values;
}

void BM_FixMul(benchmark::State& state) {
  const auto values = SampleValues();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FixMul(values[i & 255], values[(i + 1) & 255]));
    ++i;
  }
}
BENCHMARK(BM_FixMul);

void BM_FixDiv(benchmark::State& state) {
  const auto values = SampleValues();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FixDiv(values[i & 255] >> 8, values[(i + 1) & 255]));
    ++i;
  }
}
BENCHMARK(BM_FixDiv);

void BM_TransformVertex(benchmark::State& state) {
  Matrix m{};
  MatrixIdentity(m);
  MatrixRotateY(300 * kFixedOne, m);
  MatrixRotateX(150 * kFixedOne, m);
  MatrixTranslate({10 * kFixedOne, -5 * kFixedOne, 40 * kFixedOne}, m);
  const auto values = SampleValues();
  size_t i = 0;
  for (auto _ : state) {
    const Vec3 v{values[i & 255], values[(i + 1) & 255], values[(i + 2) & 255]};
    Vec3 out;
    benchmark::DoNotOptimize(TransformVertex(v, out, m));
    benchmark::DoNotOptimize(out);
    ++i;
  }
}
BENCHMARK(BM_TransformVertex);

void BM_ProjectPoint(benchmark::State& state) {
  InitEngine();
  RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
  SetRenderSurface(surface);
  SetPixelAspect(kFixedOne);
  const auto values = SampleValues();
  size_t i = 0;
  for (auto _ : state) {
    const Fixedpoint depth = 50 * kFixedOne + (values[(i + 2) & 255] & 0xFFFFF);
    Vec3 point{values[i & 255], values[(i + 1) & 255], depth};
    benchmark::DoNotOptimize(ProjectPoint(point));
    ++i;
  }
}
BENCHMARK(BM_ProjectPoint);

}  // namespace
