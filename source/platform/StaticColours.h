#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

// One colour, red, green and blue.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The system's twenty static colours: palette indexes 0 to 9 and 246 to 255, which every
// 8-bit screen palette keeps.
constexpr int32_t kStaticColourCount = 20;
constexpr int32_t kFirstGameColour = 10;
constexpr int32_t kLastGameColour = 245;

constexpr std::array<Rgb, kStaticColourCount> kStaticColours = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {192, 220, 192},
    {166, 202, 240},
    {255, 251, 240},
    {160, 160, 164},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

constexpr bool IsStaticColourIndex(int32_t index) {
  return (index >= 0 && index < kFirstGameColour) || (index > kLastGameColour && index <= 255);
}

// The static colour at a palette index; index must be one of the twenty.
constexpr Rgb StaticColour(int32_t index) {
  return kStaticColours[static_cast<size_t>(index < kFirstGameColour ? index : index - (kLastGameColour + 1) + 10)];
}

}  // namespace platform
