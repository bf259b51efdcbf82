// One world step of the default city: the step clock and counters, then each subsystem's
// step, the view grid following a viewer that moves one cell each step.
#include <benchmark/benchmark.h>

#include "Drovane/DataPaths.h"
#include "game/world/ViewerCell.h"
#include "game/world/WorldFrameTime.h"
#include "game/world/WorldInit.h"
#include "game/world/WorldTick.h"
#include "platform/DataRoots.h"

namespace {

void BM_WorldTick(benchmark::State& state) {
  gDataPaths.SetRoots(platform::SecondDataRoot(), platform::SecondDataRoot());
  if (WorldInit() != 1) {
    state.SkipWithError("the world did not start on the default data set");
    return;
  }
  FrameStep = 0x10000 / 30;
  int32_t step = 0;
  for (auto _ : state) {
    ViewerCell = {64 + step % 64, 64};
    WorldTick();
    ++step;
  }
}

}  // namespace

BENCHMARK(BM_WorldTick)->Unit(benchmark::kMicrosecond);
