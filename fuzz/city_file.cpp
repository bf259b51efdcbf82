// The city file probe and reader on arbitrary bytes: neither may crash or write past the
// city arrays, a file the reader takes is one the probe takes, and what is read keeps the
// limits of its arrays (names of at most 31 characters, labels of at most 23). A city that
// reads builds a cell map without an empty entry, and terrain whose queries stay in it.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "Drovane/Arena.h"
#include "FuzzFolder.h"
#include "game/world/BuildOMAP.h"
#include "game/world/CellMap.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "game/world/GroundHeight.h"
#include "game/world/TerrainMaps.h"
#include "support/CityBodies.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckCellMap(const CityArrays& city) {
  static CityBodies bodies;
  static const int arena = ArenaCreate(65536);
  ArenaReset(arena);
  Check(BuildOMAP(city, arena) && BuildTerrain(city, arena));
  for (int x = 0; x < kMapSize; x += 7) {
    for (int y = 0; y < kMapSize; y += 5) {
      const cell_info* cell = CellOfTile(x, y);
      Check(cell && cell->size >= 1);
      const Fixedpoint px = (x * 64 - 8192 + 17) * kFixedOne, pz = (8192 - y * 64 - 41) * kFixedOne;
      Fixedpoint ground = GroundHeight(px, pz);
      Check(ground >= 32 * kFixedOne && ground <= (31 * 32 + 64) * kFixedOne);
      Check(GroundHeightWithObjects(px, pz) >= ground);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = WriteFuzzFile("input.mv2", data, size);
  static auto city = std::make_unique<CityArrays>();
  bool probed = CityFileProbe(path);
  IsNetworkCityFile(path);
  if (!CityFileRead(path, *city)) return 0;
  Check(probed);
  Check(city->CityStr[0] > 0 && city->CityStr[0] <= 31);
  for (const auto& label : city->auxPtr6) Check(label[0] <= 23 && label[1 + label[0]] == 0);
  CheckCellMap(*city);
  return 0;
}
