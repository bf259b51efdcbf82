#include "citymap/CityMapImage.h"

#include <algorithm>

#include "game/world/TileCatalogue.h"

namespace {

// Ramps of the data set's palette (imagefiles/GamePalette.h) and its static colours.
constexpr int kWaterDeepest = 10;
constexpr int kWaterShallowest = 15;
constexpr int kGreenDark = 146;
constexpr int kGreenSteps = 12;
constexpr uint8_t kWhite = 255, kRed = 249, kBlue = 252, kMagenta = 253, kCyan = 254;
constexpr uint8_t kLightGrey = 247, kGrey = 248;

// One colour for each kind but bare land, which goes by water depth and altitude.
constexpr uint8_t kKindColours[] = {
    0,        // bare land
    52,       // rubble
    213,      // trees
    40,       // road
    38,       // road over rail
    44,       // highway ramp
    46,       // highway
    43,       // bridge
    42,       // bridge end
    117,      // rail
    120,      // rail slope
    123,      // rail bridge
    70,       // house
    75,       // apartment
    88,       // shop
    91,       // office
    94,       // tower
    132,      // workshop
    137,      // factory
    kWhite,   // hospital
    kBlue,    // police station
    kRed,     // fire station
    200,      // plaza
    kCyan,    // helipad
    kMagenta, // air-base pad
    kLightGrey,  // hangar apron
    kGrey,    // hangar
    22,       // building
};
static_assert(std::size(kKindColours) == static_cast<size_t>(TileKind::kCount));

uint8_t GroundColour(const CityArrays& city, int x, int y) {
  int water = CityWaterField(city, x, y);
  if (water > 0) return static_cast<uint8_t>(std::max(kWaterDeepest, kWaterShallowest + 1 - water));
  int altitude = city.AltMap[x][y] & 0x3FF;
  return static_cast<uint8_t>(kGreenDark + std::min(altitude, kGreenSteps));
}

}  // namespace

uint8_t CityTileColour(const CityArrays& city, int x, int y) {
  TileKind kind = LookUpTile(CityTileId(city, x, y)).kind;
  if (kind == TileKind::kBareLand) return GroundColour(city, x, y);
  return kKindColours[static_cast<size_t>(kind)];
}

std::vector<uint8_t> DrawCityMap(const CityArrays& city) {
  std::vector<uint8_t> pixels(static_cast<size_t>(kCityMapPixels) * kCityMapPixels);
  for (int y = 0; y < kCityMapPixels; ++y) {
    for (int x = 0; x < kCityMapPixels; ++x) {
      pixels[static_cast<size_t>(y) * kCityMapPixels + x] =
          CityTileColour(city, x / kCityMapTilePixels, y / kCityMapTilePixels);
    }
  }
  return pixels;
}
