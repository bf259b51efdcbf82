#include "pel3d/bodies/ColourRamps.h"

#include <array>
#include <cstddef>

namespace {

constexpr ColourRamp kColourRamps[kColourRampCount] = {
    {0, 1},    {1, 1},    {2, 1},    {3, 1},    {4, 1},    {5, 1},    {6, 1},    {7, 1},    {8, 1},
    {9, 1},    {10, 6},   {16, 16},  {32, 16},  {48, 16},  {64, 16},  {80, 16},  {96, 16},  {112, 16},
    {128, 16}, {144, 16}, {160, 16}, {176, 16}, {192, 16}, {208, 16}, {224, 10}, {234, 12}, {246, 1},
    {247, 1},  {248, 1},  {249, 1},  {250, 1},  {251, 1},  {252, 1},  {253, 1},  {254, 1},  {255, 1},
};

// The ramp of each colour, built once when the program is compiled: lighting looks a face's
// ramp up for every face, so a scan of every ramp per face would cost the draw.
constexpr std::array<uint8_t, 256> BuildRampOfColour() {
  std::array<uint8_t, 256> rampOf{};
  for (int32_t r = 0; r < kColourRampCount; ++r) {
    for (int32_t colour = kColourRamps[r].start; colour < kColourRamps[r].start + kColourRamps[r].length; ++colour)
      rampOf[static_cast<std::size_t>(colour)] = static_cast<uint8_t>(r);
  }
  return rampOf;
}

constexpr std::array<uint8_t, 256> kRampOfColour = BuildRampOfColour();

}  // namespace

const ColourRamp* FindColourRamp(int64_t colour) {
  if (colour < 0 || colour > 255) return nullptr;
  return &kColourRamps[kRampOfColour[static_cast<std::size_t>(colour)]];
}

int32_t ShadeForLight(const ColourRamp& ramp, Fixedpoint level) {
  if (level >= kFixedOne) return ramp.start + ramp.length - 1;
  // A negative ambient level could otherwise reach below the ramp.
  if (level <= 0) return ramp.start;
  return ramp.start + (FixMul(ramp.length * kFixedOne, level) >> 16);
}
