#include "imagefiles/GamePalette.h"

#include <cstddef>

#include "pel3d/bodies/ColourRamps.h"

using platform::Rgb;

namespace {

// The darkest and the lightest shade of the ramp that starts at an index.
struct RampHue {
  int32_t start;
  Rgb dark;
  Rgb light;
};

constexpr RampHue kRampHues[] = {
    {10, {10, 20, 40}, {60, 110, 160}},    {16, {170, 160, 130}, {255, 250, 235}},
    {32, {8, 6, 5}, {90, 80, 72}},         {48, {20, 22, 28}, {232, 236, 248}},
    {64, {60, 45, 0}, {255, 235, 90}},     {80, {0, 10, 60}, {120, 170, 255}},
    {96, {50, 0, 0}, {255, 90, 80}},       {112, {40, 20, 8}, {200, 150, 100}},
    {128, {60, 25, 0}, {255, 180, 80}},    {144, {0, 40, 0}, {130, 255, 110}},
    {160, {35, 0, 50}, {210, 140, 255}},   {176, {0, 40, 45}, {120, 240, 240}},
    {192, {70, 60, 40}, {240, 225, 185}},  {208, {20, 35, 10}, {150, 190, 90}},
    {224, {90, 55, 35}, {255, 215, 185}},  {234, {70, 40, 10}, {255, 240, 170}},
};

uint8_t Between(uint8_t from, uint8_t to, int32_t step, int32_t steps) {
  return static_cast<uint8_t>(from + (to - from) * step / steps);
}

void FillRamp(GamePaletteColours& colours, const RampHue& hue) {
  const ColourRamp* ramp = FindColourRamp(hue.start);
  const int32_t steps = ramp->length - 1;
  for (int32_t i = 0; i < ramp->length; ++i) {
    colours[static_cast<size_t>(ramp->start + i)] = {Between(hue.dark.red, hue.light.red, i, steps),
                                                     Between(hue.dark.green, hue.light.green, i, steps),
                                                     Between(hue.dark.blue, hue.light.blue, i, steps)};
  }
}

GamePaletteColours MakeGamePalette() {
  GamePaletteColours colours{};
  for (int32_t i = 0; i < 256; ++i) {
    if (platform::IsStaticColourIndex(i)) colours[static_cast<size_t>(i)] = platform::StaticColour(i);
  }
  for (const RampHue& hue : kRampHues) FillRamp(colours, hue);
  return colours;
}

}  // namespace

const GamePaletteColours& GamePalette() {
  static const GamePaletteColours colours = MakeGamePalette();
  return colours;
}
