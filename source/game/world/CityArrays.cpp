#include "game/world/CityArrays.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "Drovane/Arena.h"
#include "game/world/CityMiscWords.h"

static_assert(std::is_trivially_copyable_v<CityArrays>, "the city arrays are cleared and copied as bytes");
static_assert(sizeof(MicroRecord) == 8);

int CityArena = -1;

CityArrays* CityArraysAlloc() {
  if (CityArena < 0) CityArena = ArenaCreate(sizeof(CityArrays) + kArenaBlockSize);
  if (CityArena < 0) return nullptr;
  return ArenaNewArray<CityArrays>(CityArena, 1);
}

void MakeBlankCity(CityArrays& city, const std::string& name) {
  std::memset(&city, 0, sizeof city);
  SetCityName(city.CityStr, name);
  city.MiscInfo[kMiscFormatWord] = kCityFormatNumber;
}

std::string CityNameText(const uint8_t (&name)[kCityNameSize]) {
  size_t length = std::min<size_t>(name[0], kCityNameSize - 1);
  return std::string(reinterpret_cast<const char*>(name + 1), length);
}

void SetCityName(uint8_t (&name)[kCityNameSize], const std::string& text) {
  std::memset(name, 0, sizeof name);
  size_t length = std::min<size_t>(text.size(), kCityNameSize - 1);
  name[0] = static_cast<uint8_t>(length);
  std::memcpy(name + 1, text.data(), length);
}

uint32_t CityTileId(const CityArrays& city, int x, int y) {
  if (x < 0 || y < 0 || x >= kCitySize || y >= kCitySize) return 0;
  uint32_t id = city.auxPtr1[x][y];
  return city.BitsMap[x][y] & 2 ? id + 0x8000 : id;
}

int CityWaterField(const CityArrays& city, int x, int y) {
  return city.AltMap[x][y] >> 10 & 0x1F;
}
