// Arena allocation: a rounding, an addition and a comparison in the common case.
#include <benchmark/benchmark.h>

#include "Drovane/Arena.h"

namespace {

void BM_ArenaAllocSmall(benchmark::State& state) {
  int arena = ArenaCreate(65536);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(ArenaAlloc(arena, 24));
    ArenaReset(arena);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  ArenaDestroy(arena);
}
BENCHMARK(BM_ArenaAllocSmall);

void BM_ArenaAllocAcrossBlocks(benchmark::State& state) {
  int arena = ArenaCreate(8192);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(ArenaAlloc(arena, 1000));
    ArenaReset(arena);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  ArenaDestroy(arena);
}
BENCHMARK(BM_ArenaAllocAcrossBlocks);

}  // namespace
