#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "citygen/CityGenerator.h"
#include "citygen/CityRules.h"
#include "game/world/CityArrays.h"
#include "game/world/TileCatalogue.h"

namespace {

const CityArrays& Pengland() {
  static const std::unique_ptr<CityArrays> city = [] {
    auto made = std::make_unique<CityArrays>();
    GenerateCity(PenglandRecipe(), *made);
    return made;
  }();
  return *city;
}

struct Tile {
  int x = -1, y = -1;
};

// The first tile, x-major, that the test accepts.
Tile Find(const std::function<bool(int, int)>& test) {
  for (int x = 1; x < kCitySize - 1; ++x) {
    for (int y = 1; y < kCitySize - 1; ++y) {
      if (test(x, y)) return {x, y};
    }
  }
  return {};
}

Tile FindId(const CityArrays& city, uint32_t id) {
  return Find([&](int x, int y) { return CityTileId(city, x, y) == id; });
}

void Put(CityArrays& city, int x, int y, uint32_t id) {
  city.auxPtr1[x][y] = static_cast<uint8_t>(id);
  city.BitsMap[x][y] = id & 0x8000 ? 2 : 0;
}

bool Mentions(const std::vector<std::string>& faults, const std::string& text) {
  return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) { return f.find(text) != std::string::npos; });
}

std::string Listed(const std::vector<std::string>& faults) {
  std::string all;
  for (size_t i = 0; i < faults.size() && i < 8; ++i) all += faults[i] + "\n";
  return all;
}

struct Breakage {
  const char* name;
  std::function<void(CityArrays&)> breakIt;
  const char* fault;
};

const Breakage kBreakages[] = {
    {"a street cut", [](CityArrays& c) { Tile t = FindId(c, 29); Put(c, t.x, t.y, 0); }, "meets nothing"},
    {"a rail cut", [](CityArrays& c) { Tile t = FindId(c, 45); Put(c, t.x, t.y, 0); }, "rail exit"},
    {"a cliff", [](CityArrays& c) { Tile t = FindId(c, 112); c.AltMap[t.x][t.y] += 2; }, "altitude jumps"},
    {"a step without a slope", [](CityArrays& c) { Tile t = FindId(c, 112); c.AltMap[t.x][t.y] += 1; },
     "without a slope"},
    {"deep water at the shore",
     [](CityArrays& c) {
       Tile t = Find([&](int x, int y) { return CityWaterField(c, x, y) == 1; });
       c.AltMap[t.x][t.y] = 3 << 10;
     },
     "deeper than 1"},
    {"a slope toward nothing",
     [](CityArrays& c) { Tile t = FindId(c, 112); c.auxPtr3[t.x][t.y] = 1; }, "rises toward no higher"},
    {"a bridge on land", [](CityArrays& c) { Tile t = FindId(c, 112); Put(c, t.x, t.y, 84); }, "bridge on dry land"},
    {"a house on the water",
     [](CityArrays& c) {
       Tile t = Find([&](int x, int y) { return CityWaterField(c, x, y) == 2 && c.auxPtr1[x][y] == 0; });
       Put(c, t.x, t.y, 112);
     },
     "cannot stand on water"},
    {"a broken building",
     [](CityArrays& c) { Tile t = FindId(c, 203); Put(c, t.x + 1, t.y + 1, 0); }, "not whole"},
    {"a broken highway block", [](CityArrays& c) { Tile t = FindId(c, 105); Put(c, t.x + 1, t.y, 103); },
     "not whole on its block"},
    {"a road slope on flat ground", [](CityArrays& c) { Tile t = FindId(c, 30); Put(c, t.x, t.y, 31); },
     "off its slope tile"},
    {"a house on a slope",
     [](CityArrays& c) {
       Tile t = Find([&](int x, int y) { return c.auxPtr3[x][y] != 0 && c.auxPtr1[x][y] == 0; });
       Put(c, t.x, t.y, 112);
     },
     "cannot stand on a slope"},
    {"a hangar without its apron", [](CityArrays& c) { Tile t = FindId(c, 246); Put(c, t.x, t.y, 0); },
     "no hangar 248 beside an apron"},
};

void PrintTo(const Breakage& breakage, std::ostream* out) { *out << breakage.name; }

class BrokenPengland : public testing::TestWithParam<Breakage> {};

TEST_P(BrokenPengland, IsFound) {
  auto city = std::make_unique<CityArrays>(Pengland());
  GetParam().breakIt(*city);
  std::vector<std::string> faults = CheckCity(*city, true);
  EXPECT_TRUE(Mentions(faults, GetParam().fault)) << Listed(faults);
}

INSTANTIATE_TEST_SUITE_P(CityRules, BrokenPengland, testing::ValuesIn(kBreakages),
                         [](const testing::TestParamInfo<Breakage>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

TEST(CityRules, AllowOneDeadEndButNotTwo) {
  auto city = std::make_unique<CityArrays>(Pengland());
  ASSERT_TRUE(CheckNetworks(*city).empty()) << Listed(CheckNetworks(*city));
  // A second dead end: a junction whose branch leads into a park.
  Tile t = Find([&](int x, int y) {
    return CityTileId(*city, x, y) == 30 && CityTileId(*city, x, y + 1) < 29 && CityTileId(*city, x, y - 1) < 29;
  });
  ASSERT_GE(t.x, 0);
  Put(*city, t.x, t.y, 41);
  std::vector<std::string> faults = CheckNetworks(*city);
  EXPECT_EQ(faults.size(), 2u) << Listed(faults);
  EXPECT_TRUE(Mentions(faults, "road exit south of (" + std::to_string(t.x) + ", " + std::to_string(t.y) + ")"));
}

TEST(CityRules, FindARoadNetworkInTwoPieces) {
  auto city = std::make_unique<CityArrays>();
  MakeBlankCity(*city, "Two loops");
  // Two closed squares of road, apart from each other.
  for (int left : {10, 30}) {
    Put(*city, left, 10, 36);
    Put(*city, left + 1, 10, 37);
    Put(*city, left, 11, 35);
    Put(*city, left + 1, 11, 38);
  }
  std::vector<std::string> faults = CheckNetworks(*city);
  EXPECT_TRUE(Mentions(faults, "road network split")) << Listed(faults);
}

TEST(CityRules, WantStationsWithRoadAccess) {
  auto city = std::make_unique<CityArrays>(Pengland());
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) {
      if (city->auxPtr1[x][y] == 211) Put(*city, x, y, 0);
    }
  }
  EXPECT_TRUE(Mentions(CheckBuildings(*city), "no station 211 with road access"));
}

TEST(CityRules, AskTheShowcaseOnlyOfTheDefaultCity) {
  auto career = std::make_unique<CityArrays>();
  GenerateCity(CareerRecipe(0), *career);
  EXPECT_TRUE(CheckCity(*career, false).empty()) << Listed(CheckCity(*career, false));
  std::vector<std::string> faults = CheckShowcase(*career);
  EXPECT_TRUE(Mentions(faults, "no tile piece 63")) << Listed(faults);
  EXPECT_TRUE(Mentions(faults, "fewer than three helipads"));
  EXPECT_TRUE(CheckShowcase(Pengland()).empty()) << Listed(CheckShowcase(Pengland()));
}

}  // namespace
