#include "enginefiles/ShadeTable.h"

#include <limits>

namespace {

// Colours 32 times their value, so that each step of 1/32 toward the fog stays exact.
struct Scaled {
  int64_t red;
  int64_t green;
  int64_t blue;
};

Scaled Toward(const platform::Rgb& colour, const platform::Rgb& fog, int64_t level) {
  const int64_t keep = kShadeTableRows - level;
  return {colour.red * keep + fog.red * level, colour.green * keep + fog.green * level,
          colour.blue * keep + fog.blue * level};
}

int64_t Distance(const platform::Rgb& entry, const Scaled& target) {
  const int64_t red = entry.red * int64_t{kShadeTableRows} - target.red;
  const int64_t green = entry.green * int64_t{kShadeTableRows} - target.green;
  const int64_t blue = entry.blue * int64_t{kShadeTableRows} - target.blue;
  return red * red + green * green + blue * blue;
}

uint8_t Nearest(const ShadePalette& palette, const Scaled& target) {
  int64_t best = std::numeric_limits<int64_t>::max();
  uint8_t index = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int64_t distance = Distance(palette[i], target);
    if (distance < best) {
      best = distance;
      index = static_cast<uint8_t>(i);
    }
  }
  return index;
}

}  // namespace

std::vector<uint8_t> MakeShadeTable(const ShadePalette& palette, uint8_t fogColour) {
  std::vector<uint8_t> table(kShadeTableRows * kShadeTableWidth);
  for (uint32_t colour = 0; colour < kShadeTableWidth; ++colour) table[colour] = static_cast<uint8_t>(colour);
  const platform::Rgb& fog = palette[fogColour];
  for (uint32_t level = 1; level < kShadeTableRows; ++level) {
    for (uint32_t colour = 0; colour < kShadeTableWidth; ++colour) {
      table[level * kShadeTableWidth + colour] = Nearest(palette, Toward(palette[colour], fog, level));
    }
  }
  return table;
}
