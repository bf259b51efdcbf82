#include "game/world/CityMiscWords.h"

#include <initializer_list>

#include "game/world/CityArrays.h"

namespace {

// A range of words laid out as a repeating pattern of widths.
struct MiscRange {
  int first;
  int last;
  std::initializer_list<int> pattern;
};

const MiscRange kMiscLayout[] = {
    {0, 0, {32}},           {1, 3, {16}},          {4, 6, {32}},          {7, 8, {16}},
    {9, 21, {32}},          {22, 23, {16}},        {24, 27, {8}},         {28, 28, {16}},
    {29, 90, {32}},         {91, 123, {16, 16, 32}}, {124, 379, {16}},    {380, 387, {32}},
    {388, 437, {16}},       {438, 453, {16, 32, 32, 32}}, {454, 478, {16}}, {479, 910, {32}},
    {911, 914, {16}},       {915, 945, {8}},       {946, 999, {16, 16, 8, 8, 8, 8}},
    {1000, 1001, {32}},     {1002, 1027, {16}},    {1028, 1028, {32}},    {1029, 1031, {16}},
    {1032, 1032, {32}},     {1033, 1034, {16}},    {1035, 1035, {32}},    {1036, 1044, {16}},
    {1045, 1049, {32}},     {1050, 1051, {16}},    {1052, 1057, {32}},    {1058, 1059, {16}},
    {1060, 1062, {32}},     {1063, 1064, {8}},     {1065, 1069, {16}},    {1070, 1070, {32}},
};

}  // namespace

int MiscWordWidth(int word) {
  for (const MiscRange& range : kMiscLayout) {
    if (word < range.first || word > range.last) continue;
    int step = (word - range.first) % static_cast<int>(range.pattern.size());
    return range.pattern.begin()[step];
  }
  return 0;
}

int32_t KeepMiscWidth(int word, int32_t value) {
  switch (MiscWordWidth(word)) {
    case 32: return value;
    case 16: return static_cast<int16_t>(value);
    case 8: return static_cast<uint8_t>(value);
    default: return 0;
  }
}

void SpreadMiscWords(CityArrays& city) {
  int32_t view = city.MiscInfo[kMiscViewWord];
  city.MapViewX = view == -1 ? 64 : view & 0x7F;
  city.MapViewY = view == -1 ? 128 : view >> 8;
  for (int i = 0; i < kNeighborCount; ++i) {
    // Names other than the ocean come from a name table this game does not have.
    bool ocean = city.MiscInfo[kMiscFirstNeighborWord + 4 * i] == 0;
    SetCityName(city.NeighborNames[i], ocean ? "Ocean" : "");
  }
}

void CollectMiscWords(const CityArrays& city, int32_t (&words)[1200]) {
  for (int word = 0; word < kMiscWordCount; ++word) words[word] = KeepMiscWidth(word, city.MiscInfo[word]);
  words[kMiscGraphWord] = city.GraphData[1][1];
  words[kMiscViewWord] = 0;
}
