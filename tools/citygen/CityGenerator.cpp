#include "citygen/CityGenerator.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "citygen/CityDistricts.h"
#include "citygen/CityNetwork.h"
#include "citygen/CityPlan.h"
#include "citygen/CityTerrain.h"
#include "game/world/CityArrays.h"

namespace {

void PutId(CityArrays& city, int x, int y, uint32_t id) {
  city.auxPtr1[x][y] = static_cast<uint8_t>(id);
  city.BitsMap[x][y] = id & 0x8000 ? 2 : 0;
}

void WriteGround(const CityPlan& plan, CityArrays& city) {
  for (int x = 0; x < kPlanSide; ++x) {
    for (int y = 0; y < kPlanSide; ++y) {
      city.AltMap[x][y] = static_cast<uint16_t>(plan.water[x][y] << 10 | plan.altitude[x][y]);
      city.auxPtr3[x][y] = plan.slope[x][y];
    }
  }
}

void WriteNetworks(const CityPlan& plan, CityArrays& city) {
  PieceCounters counters;
  for (int y = 0; y < kPlanSide; ++y) {
    for (int x = 0; x < kPlanSide; ++x) {
      uint32_t id = NetworkTileId(plan, x, y, counters);
      if (id) PutId(city, x, y, id);
    }
  }
}

// People live in homes, work in shops, offices and industry: a rough count per tile.
int Population(uint8_t zone, int size) { return zone == 1 ? 6 * size : zone == 2 ? 3 * size : zone == 3 ? 2 : 0; }
int LandValue(uint8_t zone, int size) { return zone == 2 ? 40 * size : zone == 1 ? 30 + 20 * size : 20; }

void WriteBuildings(const std::vector<PlacedBuilding>& buildings, CityArrays& city) {
  std::array<std::array<int, 32>, 32> population{};
  for (const PlacedBuilding& building : buildings) {
    for (int dx = 0; dx < building.size; ++dx) {
      for (int dy = 0; dy < building.size; ++dy) {
        int x = building.x + dx, y = building.y + dy;
        PutId(city, x, y, building.id);
        city.auxPtr2[x][y] = building.zone;
        population[x / 4][y / 4] += Population(building.zone, building.size);
        uint8_t& value = city.ValueMap[x / 2][y / 2];
        value = static_cast<uint8_t>(std::min(255, value + LandValue(building.zone, building.size) / 4));
      }
    }
  }
  for (int x = 0; x < 32; ++x) {
    for (int y = 0; y < 32; ++y) city.PopMap[x][y] = static_cast<uint8_t>(std::min(255, population[x][y]));
  }
}

void WriteDistrictNames(CityArrays& city) {
  for (int i = 0; i < kDistrictCount; ++i) {
    size_t length = std::strlen(kDistrictNames[i]);
    city.auxPtr6[i][0] = static_cast<uint8_t>(length);
    std::memcpy(city.auxPtr6[i] + 1, kDistrictNames[i], length);
  }
}

}  // namespace

void GenerateCity(const CityRecipe& recipe, CityArrays& city) {
  auto plan = std::make_unique<CityPlan>();
  plan->recipe = recipe;
  GameRandomSource random;
  random.Seed(recipe.seed);
  LayTerrain(*plan);
  LayNetworks(*plan);
  std::vector<PlacedBuilding> buildings = PlaceBuildings(*plan, random);
  MakeBlankCity(city, recipe.name);
  WriteGround(*plan, city);
  WriteNetworks(*plan, city);
  WriteBuildings(buildings, city);
  WriteDistrictNames(city);
}
