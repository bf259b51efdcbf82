#include "enginefiles/RemapTable.h"

#include <algorithm>

#include "pel3d/bodies/ColourRamps.h"

std::vector<uint8_t> MakeLighteningTable(uint32_t shades) {
  std::vector<uint8_t> table(kRemapTableWidth);
  for (uint32_t colour = 0; colour < kRemapTableWidth; ++colour) {
    const ColourRamp& ramp = *FindColourRamp(colour);
    const int64_t lightest = ramp.start + ramp.length - 1;
    table[colour] = static_cast<uint8_t>(std::min<int64_t>(int64_t{colour} + shades, lightest));
  }
  return table;
}

std::vector<uint8_t> MakeRemapBlock() {
  std::vector<uint8_t> block;
  for (uint32_t shades = 1; shades <= kRemapBlockRows; ++shades) {
    const std::vector<uint8_t> table = MakeLighteningTable(shades);
    block.insert(block.end(), table.begin(), table.end());
  }
  return block;
}
