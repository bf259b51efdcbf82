// Starting a city: reading a written 128 x 128 city holding every catalogued tile id, and
// building its cell map, terrain and sites over stand-in bodies.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "game/world/CityStart.h"
#include "game/world/TileCatalogue.h"
#include "platform/Process.h"
#include "support/CityBodies.h"

namespace {

constexpr uint32_t kFlipped = 0x8000;

// Blocks of every id, flipped and not, 4 tiles apart, over land rising to the east and a sea
// along the south.
void FillCity(CityArrays& city) {
  MakeBlankCity(city, "Every tile");
  int next = 0;
  for (int x = 0; x < kCitySize; x += 4) {
    for (int y = 0; y < kCitySize; y += 4, ++next) {
      uint32_t id = static_cast<uint32_t>(next % 512);
      if (id >= 256) id = kFlipped + id - 256;
      int size = LookUpTile(id).size;
      for (int i = x; i < x + size; ++i) {
        for (int j = y; j < y + size; ++j) {
          city.auxPtr1[i][j] = static_cast<uint8_t>(id);
          city.BitsMap[i][j] = id & kFlipped ? 2 : 0;
        }
      }
    }
  }
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) {
      int water = y >= 112 ? 2 : 0;
      city.AltMap[x][y] = static_cast<uint16_t>(x / 16 | water << 10);
      city.auxPtr3[x][y] = static_cast<uint8_t>(x % 16 == 15 ? 3 : 0);
    }
  }
}

void BM_CityStart(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "halvorine-bench-city.mv2").string();
  auto city = std::make_unique<CityArrays>();
  FillCity(*city);
  if (!CityFileWrite(platform::ToGamePath(path), *city)) {
    state.SkipWithError("cannot write the city");
    return;
  }
  CityBodies bodies;
  for (auto _ : state) {
    bool started = CityStart(platform::ToGamePath(path));
    benchmark::DoNotOptimize(started);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_CityStart)->Unit(benchmark::kMillisecond);

}  // namespace
