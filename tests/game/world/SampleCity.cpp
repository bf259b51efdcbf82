#include "game/world/SampleCity.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kCoast = 112;      // the sea from this x on
constexpr int kRiverTop = 60;    // river rows 60-62
constexpr int kRailRow = 50;
constexpr int kRailSpur = 100;
constexpr int kHighwayRow = 118;

struct Building {
  uint8_t id;
  int size;
};

bool IsStreet(int v) { return v % 16 == 8; }
bool IsRiver(int y) { return y >= kRiverTop && y < kRiverTop + 3; }

void Put(CityArrays& city, int x, int y, uint32_t id) {
  city.auxPtr1[x][y] = static_cast<uint8_t>(id);
  city.BitsMap[x][y] = id & 0x8000 ? 2 : 0;
}

void MakeGround(CityArrays& city) {
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) {
      int water = x >= kCoast ? std::min(1 + (x - kCoast) / 3, 6) : IsRiver(y) ? 2 : 0;
      city.AltMap[x][y] = static_cast<uint16_t>(water << 10 | (water ? 0 : (x + y) / 20));
    }
  }
}

void MakeStreets(CityArrays& city) {
  for (int x = 0; x < kCoast; ++x) {
    for (int y = 0; y < kCitySize - 12; ++y) {
      bool across = IsStreet(y) && !IsRiver(y);
      if (IsStreet(x) && across) Put(city, x, y, 43);
      else if (IsStreet(x) && y == kRailRow) Put(city, x, y, 69);
      else if (IsStreet(x) && IsRiver(y)) Put(city, x, y, 81);
      else if (IsStreet(x) && y == kRiverTop - 1) Put(city, x, y, 94);
      else if (IsStreet(x) && y == kRiverTop + 3) Put(city, x, y, 96);
      else if (IsStreet(x)) Put(city, x, y, 29);
      else if (across) Put(city, x, y, 30);
    }
  }
}

void MakeRailway(CityArrays& city) {
  for (int x = 0; x < kRailSpur; ++x) {
    if (!IsStreet(x)) Put(city, x, kRailRow, 45);
  }
  Put(city, kRailSpur, kRailRow, 52);
  for (int y = kRailRow + 1; y < 72; ++y) {
    uint32_t id = IsRiver(y) ? 90 : y == kRiverTop - 1 ? 47 : y == kRiverTop + 3 ? 49 : 44;
    if (!IsStreet(y)) Put(city, kRailSpur, y, id);
  }
}

void MakeHighway(CityArrays& city) {
  Put(city, 0, kHighwayRow, 74);
  Put(city, 0, kHighwayRow + 1, 74);
  for (int x = 2; x < 98; x += 2) {
    uint32_t id = x % 8 == 0 ? 0x806A : 97;
    for (int dx = 0; dx < 2; ++dx) {
      for (int dy = 0; dy < 2; ++dy) Put(city, x + dx, kHighwayRow + dy, id);
    }
  }
}

// Packs the buildings into the block row by row, each size x size tiles with its id.
void FillBlock(CityArrays& city, int left, int top, const std::vector<Building>& buildings) {
  int x = left, y = top, rowHeight = 0;
  for (const Building& building : buildings) {
    if (x + building.size > left + 15) x = left, y += rowHeight, rowHeight = 0;
    if (y + building.size > top + 15) return;
    for (int dx = 0; dx < building.size; ++dx) {
      for (int dy = 0; dy < building.size; ++dy) Put(city, x + dx, y + dy, building.id);
    }
    x += building.size;
    rowHeight = std::max(rowHeight, building.size);
  }
}

std::vector<Building> Repeat(std::vector<Building> pattern, int times) {
  std::vector<Building> all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), pattern.begin(), pattern.end());
  return all;
}

void MakeBlocks(CityArrays& city) {
  FillBlock(city, 9, 9, Repeat({{112, 1}, {113, 1}, {6, 1}, {114, 1}, {115, 1}, {116, 1}, {7, 1}, {117, 1}, {118, 1}}, 25));
  FillBlock(city, 25, 9, Repeat({{120, 2}, {121, 2}, {122, 2}, {123, 2}, {215, 2}, {9, 1}}, 12));
  FillBlock(city, 41, 9, Repeat({{140, 1}, {141, 1}, {142, 1}, {143, 1}, {144, 1}, {145, 1}, {146, 1}, {147, 1}}, 28));
  FillBlock(city, 57, 9, Repeat({{158, 2}, {161, 2}, {188, 3}, {165, 2}, {191, 3}}, 6));
  FillBlock(city, 73, 9, Repeat({{198, 2}, {203, 3}, {200, 2}, {207, 3}}, 6));
  FillBlock(city, 89, 9, {{209, 3}, {210, 3}, {211, 3}, {222, 1}, {119, 1}, {246, 1}, {248, 1}});
  FillBlock(city, 9, 25, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {130, 1}, {250, 1}, {10, 1}, {11, 1}, {12, 1}, {8, 1}});
  FillBlock(city, 25, 25, Repeat({{6, 1}, {7, 1}, {8, 1}, {0, 1}}, 50));
  FillBlock(city, 9, 73, Repeat({{112, 1}, {0, 1}, {114, 1}, {0, 1}}, 50));
  FillBlock(city, 41, 73, Repeat({{203, 3}, {205, 3}, {198, 2}}, 8));
  FillBlock(city, 73, 89, Repeat({{188, 3}, {209, 3}, {158, 2}, {140, 1}}, 6));
}

void MakeLabels(CityArrays& city) {
  const char* labels[] = {"Old Harbour", "River Mile"};
  for (int i = 0; i < 2; ++i) {
    size_t length = std::strlen(labels[i]);
    city.auxPtr6[i][0] = static_cast<uint8_t>(length);
    std::memcpy(city.auxPtr6[i] + 1, labels[i], length);
  }
}

}  // namespace

void MakeSampleCity(CityArrays& city) {
  MakeBlankCity(city, "Sample City");
  MakeGround(city);
  MakeStreets(city);
  MakeRailway(city);
  MakeHighway(city);
  MakeBlocks(city);
  MakeLabels(city);
}
