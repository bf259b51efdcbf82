#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/MainWindow.h"
#include "Drovane/ScreenBuffer.h"
#include "platform/PictureConversion.h"

using namespace platform;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

std::array<Rgb, 256> Ramp() {
  std::array<Rgb, 256> colours{};
  for (int i = 0; i < 256; ++i) colours[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i / 2)};
  return colours;
}

// One 640 x 480 frame through its 256 colours into 32-bit pixels.
void BM_ConvertFrame(benchmark::State& state) {
  std::vector<uint8_t> frame(kWidth * kHeight);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>(i * 31);
  std::vector<uint32_t> out(frame.size());
  const ArgbColours argb = ToArgb(Ramp());
  for (auto _ : state) {
    ConvertPicture(frame.data(), kWidth, kWidth, kHeight, argb, out.data(), kWidth * 4);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(frame.size()));
}
BENCHMARK(BM_ConvertFrame);

// ScreenBuffer::Swap into an SDL window: the blit to the primary, the conversion and the
// renderer's present (the dummy driver when there is no display).
void BM_ScreenBufferSwap(benchmark::State& state) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 0);
  DDEnable();
  auto* window = new MainWindow(kWidth, kHeight, 0x1B, "bench");
  lpDD->SetCooperativeLevel(window->mWindow, kCooperativeNormal);
  std::vector<uint32_t> colours(256);
  for (uint32_t i = 0; i < 256; ++i) colours[i] = i << 16 | (255 - i) << 8 | i / 2;
  auto* screen = new ScreenBuffer(window, kWidth, kHeight, colours.data(), 1, 1, 0);
  window->SetBackBuffer(screen);
  window->UpdateScreenRects();
  screen->FillRect(77, nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(screen->Swap(nullptr, 0, 0));
  window->SetBackBuffer(nullptr);
  delete screen;
  delete window;
  DDDisable();
}
BENCHMARK(BM_ScreenBufferSwap);

}  // namespace
