#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "game/world/CityArrays.h"
#include "game/world/CityMiscWords.h"

namespace {

TEST(CityMiscWords, EachWordKeepsItsWidth) {
  struct Case {
    int word;
    int32_t value;
    int32_t kept;
  };
  const Case cases[] = {
      {0, 0x12345678, 0x12345678},  {1, 0x12345678, 0x5678},      {2, 0x18000, -32768},
      {24, 0x1FF, 0xFF},            {24, -1, 0xFF},               {28, 0xFFFF, -1},
      {91, 0x10001, 1},             {93, 0x10001, 0x10001},       {440, 0x10001, 0x10001},
      {438, 0x10001, 1},            {915, 0x101, 1},              {946, 0x10002, 2},
      {948, 0x102, 2},              {952, 0x10003, 3},            {1028, -1, -1},
      {1029, 0x12345, 0x2345},      {1063, 0x1FF, 0xFF},          {1065, 0x1FFFF, -1},
      {1070, 0x7FFFFFFF, 0x7FFFFFFF}, {1071, 5, 0},               {1199, 5, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(KeepMiscWidth(c.word, c.value), c.kept) << "word " << c.word;
}

TEST(CityMiscWords, ViewPositionAndNeighbourNamesAreSpread) {
  struct Case {
    int32_t view;
    int32_t x;
    int32_t y;
  };
  const Case cases[] = {{-1, 64, 128}, {0, 0, 0}, {0x1234, 0x34, 0x12}, {0x20FF, 0x7F, 0x20}, {-0x200, 0, -2}};
  auto city = std::make_unique<CityArrays>();
  for (const Case& c : cases) {
    city->MiscInfo[kMiscViewWord] = c.view;
    SpreadMiscWords(*city);
    EXPECT_EQ(city->MapViewX, c.x) << c.view;
    EXPECT_EQ(city->MapViewY, c.y) << c.view;
  }
  city->MiscInfo[438] = 0;
  city->MiscInfo[442] = 7;
  SpreadMiscWords(*city);
  EXPECT_EQ(CityNameText(city->NeighborNames[0]), "Ocean");
  EXPECT_EQ(CityNameText(city->NeighborNames[1]), "");
}

TEST(CityMiscWords, WriterTakesWord29FromTheGraphsAndDropsTheView) {
  auto city = std::make_unique<CityArrays>();
  for (int word = 0; word < kMiscWordCount; ++word) city->MiscInfo[word] = 0x12345678;
  city->GraphData[1][1] = 77;
  int32_t words[kMiscWordCount];
  CollectMiscWords(*city, words);
  EXPECT_EQ(words[29], 77);
  EXPECT_EQ(words[1028], 0);
  EXPECT_EQ(words[1029], 0x5678);
  EXPECT_EQ(words[1071], 0);
  EXPECT_EQ(words[30], 0x12345678);
}

}  // namespace
