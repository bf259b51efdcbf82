#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "citygen/CityGenerator.h"
#include "citygen/CityRules.h"
#include "game/world/BuildOMAP.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "game/world/CitySites.h"
#include "game/world/CityStart.h"
#include "platform/Process.h"
#include "bodysheet/EngineSets.h"
#include "pel3d/EngineStart.h"

namespace {

struct GeneratedCity {
  std::string file;
  CityRecipe recipe;
};

void PrintTo(const GeneratedCity& city, std::ostream* out) { *out << city.file; }

std::vector<GeneratedCity> AllCities() {
  std::vector<GeneratedCity> cities = {{"cities/pengland.mv2", PenglandRecipe()}};
  for (int i = 0; i < kCareerCityCount; ++i)
    cities.push_back({"cities/career/city" + std::to_string(i) + ".mv2", CareerRecipe(i)});
  return cities;
}

std::string GamePath(const std::string& file) { return platform::ToGamePath(std::string(HALVORINE_DATA_SET) + "/" + file); }

std::string FirstFaults(const std::vector<std::string>& faults) {
  std::string text;
  for (size_t i = 0; i < faults.size() && i < 12; ++i) text += faults[i] + "\n";
  return text;
}

class EveryCity : public testing::TestWithParam<GeneratedCity> {
protected:
  void SetUp() override {
    std::string reason;
    ASSERT_TRUE(CityFileRead(GamePath(GetParam().file), *city, &reason)) << reason;
  }
  std::unique_ptr<CityArrays> city = std::make_unique<CityArrays>();
};

TEST_P(EveryCity, KeepsTheCityRules) {
  std::vector<std::string> faults = CheckCity(*city, GetParam().recipe.showcase);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first:\n" << FirstFaults(faults);
}

TEST_P(EveryCity, IsItsRecipeMadeAgain) {
  auto again = std::make_unique<CityArrays>();
  GenerateCity(GetParam().recipe, *again);
  EXPECT_EQ(CityNameText(city->CityStr), GetParam().recipe.name);
  EXPECT_EQ(std::memcmp(city->AltMap, again->AltMap, sizeof city->AltMap), 0);
  EXPECT_EQ(std::memcmp(city->auxPtr1, again->auxPtr1, sizeof city->auxPtr1), 0);
  EXPECT_EQ(std::memcmp(city->BitsMap, again->BitsMap, sizeof city->BitsMap), 0);
  EXPECT_EQ(std::memcmp(city->auxPtr3, again->auxPtr3, sizeof city->auxPtr3), 0);
  EXPECT_EQ(std::memcmp(city->auxPtr2, again->auxPtr2, sizeof city->auxPtr2), 0);
}

TEST_P(EveryCity, StartsWithEveryBodyAtItsApron) {
  InitEngine();
  const std::string dataSet = HALVORINE_DATA_SET;
  EngineSets sets(dataSet + "/bmp", {{dataSet + "/geo/PEL3D1.ZEF", "PEL3D1"}});
  ASSERT_TRUE(sets.Ready()) << sets.Error();
  ASSERT_TRUE(CityStart(GamePath(GetParam().file)));
  EXPECT_FALSE(gCityFellBack);
  EXPECT_EQ(gOmapCounts.missingBodies, 0);
  TileSite start = gCitySites.start;
  ASSERT_GE(start.x, 0);
  EXPECT_EQ(CityTileId(*gCityArrays, start.x, start.y), 246u);
}

INSTANTIATE_TEST_SUITE_P(DataSet, EveryCity, testing::ValuesIn(AllCities()),
                         [](const testing::TestParamInfo<GeneratedCity>& info) {
                           return info.index == 0 ? std::string("pengland") : "career" + std::to_string(info.index - 1);
                         });

TEST(GeneratedCities, DifferByRecipe) {
  auto first = std::make_unique<CityArrays>(), last = std::make_unique<CityArrays>();
  GenerateCity(CareerRecipe(0), *first);
  GenerateCity(CareerRecipe(kCareerCityCount - 1), *last);
  EXPECT_NE(std::memcmp(first->auxPtr1, last->auxPtr1, sizeof first->auxPtr1), 0);
  EXPECT_NE(std::memcmp(first->AltMap, last->AltMap, sizeof first->AltMap), 0);
}

}  // namespace
