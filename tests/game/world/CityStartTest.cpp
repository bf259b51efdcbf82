#include <gtest/gtest.h>

#include <string>

#include "Drovane/DataPaths.h"
#include "StartedCity.h"
#include "game/world/CitySites.h"
#include "game/world/TileObjects.h"

namespace {

constexpr uint8_t kHelipad = 222;
constexpr uint8_t kApron = 246;
constexpr uint8_t kAirBasePad = 119;

class CityStarting : public StartedCity {
protected:
  CityStarting() : mRootA(gDataPaths.RootA()), mRootB(gDataPaths.RootB()) {
    gDataPaths.SetRoots(folder.Game(""), folder.Game("none"));
  }
  ~CityStarting() override { gDataPaths.SetRoots(mRootA, mRootB); }

  void WriteFallbackCity() {
    auto fallback = std::make_unique<CityArrays>();
    MakeBlankCity(*fallback, "Pengland");
    fallback->auxPtr1[7][7] = kApron;
    std::filesystem::create_directories(folder.System("cities"));
    ASSERT_TRUE(CityFileWrite(folder.Game("cities/pengland.mv2"), *fallback));
  }

private:
  std::string mRootA, mRootB;
};

TEST_F(CityStarting, ReadsTheCityAndKeepsItsArrays) {
  city->auxPtr1[3][4] = kHelipad;
  ASSERT_TRUE(Start());
  EXPECT_FALSE(gCityFellBack);
  ASSERT_NE(gCityArrays, nullptr);
  EXPECT_EQ(CityNameText(gCityArrays->CityStr), "Test");
  EXPECT_EQ(tileObjID(3, 4), kHelipad);
  EXPECT_EQ(tileObjID(0, 0), 0);
  for (auto [x, y] : {std::pair{-1, 0}, {0, 128}, {128, 5}}) EXPECT_EQ(tileObjID(x, y), -1);
}

TEST_F(CityStarting, ADamagedCityFallsBackToPengland) {
  WriteFallbackCity();
  folder.Write("damaged.mv2", std::string("FORM\0\0\0\x40MVDHXBLD", 16));
  ASSERT_TRUE(CityStart(folder.Game("damaged.mv2")));
  EXPECT_TRUE(gCityFellBack);
  EXPECT_EQ(CityNameText(gCityArrays->CityStr), "Pengland");
  EXPECT_EQ((gCitySites.start), (TileSite{7, 7}));
  EXPECT_NE(CellOfTile(200, 200), nullptr);
}

TEST_F(CityStarting, FailsWhenPenglandCannotBeReadEither) {
  ASSERT_TRUE(Start());
  EXPECT_FALSE(CityStart(folder.Game("missing.mv2")));
  EXPECT_TRUE(gCityFellBack);
  EXPECT_EQ(gCityArrays, nullptr);
  // Nothing is left pointing into the previous city's arena.
  EXPECT_EQ(CellOfTile(5, 5), nullptr);
}

TEST_F(CityStarting, TheStartSiteIsTheApronElseAHelipad) {
  city->auxPtr1[9][2] = kHelipad;
  city->auxPtr1[3][9] = kHelipad;
  ASSERT_TRUE(Start());
  EXPECT_EQ(gCitySites.helipads, (std::vector<TileSite>{{3, 9}, {9, 2}}));
  EXPECT_EQ(gCitySites.start, (TileSite{3, 9}));
  EXPECT_EQ(gCitySites.airBasePad, TileSite{});

  city->auxPtr1[50][60] = kApron;
  city->auxPtr1[40][61] = kAirBasePad;
  ASSERT_TRUE(Start());
  EXPECT_EQ(gCitySites.start, (TileSite{50, 60}));
  EXPECT_EQ(gCitySites.airBasePad, (TileSite{40, 61}));

  MakeBlankCity(*city, "Empty");
  ASSERT_TRUE(Start());
  EXPECT_EQ(gCitySites.start, (TileSite{64, 64}));
  EXPECT_TRUE(gCitySites.helipads.empty());
}

TEST_F(CityStarting, AFreeHelipadHoldsNoHelicopter) {
  city->auxPtr1[9][2] = kHelipad;
  city->auxPtr1[3][9] = kHelipad;
  city->auxPtr1[20][20] = kApron;
  ASSERT_TRUE(Start());
  EXPECT_EQ(FindFreeHelipad(), (TileSite{3, 9}));

  dyobj helicopter, car, second;
  helicopter.flags = kDyobjDrawn | kDyobjHelicopter;
  car.flags = kDyobjDrawn | kDyobjAuto;
  second.flags = kDyobjDrawn | kDyobjHelicopter;
  ASSERT_TRUE(LinkToCell(CellOfTile(3, 9), helicopter));
  ASSERT_TRUE(LinkToCell(CellOfTile(9, 2), car));
  EXPECT_EQ(FindFreeHelipad(), (TileSite{9, 2}));
  ASSERT_TRUE(LinkToCell(CellOfTile(9, 2), second));
  EXPECT_EQ(FindFreeHelipad(), (TileSite{20, 20}));
}

TEST(BuildingRecords, PadsAreNoMissionPlaces) {
  struct Case {
    int id;
    uint8_t size, flags;
  } cases[] = {{222, 1, 1}, {246, 1, 1}, {119, 1, 1}, {112, 1, 0}, {211, 3, 0}, {158, 2, 0}, {29, 1, 0}};
  for (const Case& c : cases) {
    BuildingRecord record = BuildingOfObjectId(c.id);
    EXPECT_EQ(record.size, c.size) << c.id;
    EXPECT_EQ(record.flags, c.flags) << c.id;
  }
}

}  // namespace
