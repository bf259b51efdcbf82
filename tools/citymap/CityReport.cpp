#include "citymap/CityReport.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "game/world/CityMiscWords.h"
#include "game/world/TileCatalogue.h"

namespace {

std::string Line(const char* format, auto... values) {
  char text[160];
  std::snprintf(text, sizeof text, format, values...);
  return std::string(text) + "\n";
}

std::string KindCounts(const CityArrays& city) {
  std::array<int, static_cast<size_t>(TileKind::kCount)> counts{};
  for (int x = 0; x < kCitySize; ++x) {
    for (int y = 0; y < kCitySize; ++y) ++counts[static_cast<size_t>(LookUpTile(CityTileId(city, x, y)).kind)];
  }
  std::string text = "tiles by kind:\n";
  for (size_t kind = 0; kind < counts.size(); ++kind) {
    if (counts[kind] > 0) text += Line("  %-16s %5d", TileKindName(static_cast<TileKind>(kind)), counts[kind]);
  }
  return text;
}

std::string Labels(const CityArrays& city) {
  std::string text = "labels:\n";
  for (int i = 0; i < kLabelCount; ++i) {
    const uint8_t* label = city.auxPtr6[i];
    if (label[0] == 0) continue;
    text += Line("  %3d  %s", i, reinterpret_cast<const char*>(label + 1));
  }
  return text;
}

}  // namespace

std::string DescribeCity(const CityArrays& city) {
  std::string text = "name     " + CityNameText(city.CityStr) + "\n";
  text += Line("format   %d", static_cast<int>(city.MiscInfo[kMiscFormatWord]));
  text += Line("view     %d, %d", static_cast<int>(city.MapViewX), static_cast<int>(city.MapViewY));
  text += "neighbours";
  for (const auto& name : city.NeighborNames) text += " [" + CityNameText(name) + "]";
  text += '\n';
  text += KindCounts(city);
  text += Labels(city);
  return text;
}
