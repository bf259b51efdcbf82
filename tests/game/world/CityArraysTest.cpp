#include <gtest/gtest.h>

#include <cstring>

#include "Drovane/Arena.h"
#include "game/world/CityArrays.h"

namespace {

TEST(CityArrays, WorldRecordComesZeroedFromReusedArenaMemory) {
  CityArrays* city = CityArraysAlloc();
  ASSERT_NE(city, nullptr);
  std::memset(city, 0x5A, sizeof *city);
  ArenaReset(CityArena);
  city = CityArraysAlloc();
  ASSERT_NE(city, nullptr);
  EXPECT_EQ(city->auxPtr1[127][127], 0);
  EXPECT_EQ(city->GraphData[15][51], 0);
  EXPECT_EQ(city->MiscInfo[0], 0);
  ArenaDestroy(CityArena);
  CityArena = -1;
}

TEST(CityArrays, NamesAreCutTo31Characters) {
  uint8_t name[kCityNameSize];
  SetCityName(name, std::string(40, 'w'));
  EXPECT_EQ(name[0], 31);
  EXPECT_EQ(CityNameText(name), std::string(31, 'w'));
  name[0] = 200;
  EXPECT_EQ(CityNameText(name).size(), 31u);
}

}  // namespace
