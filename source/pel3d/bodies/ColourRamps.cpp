#include "pel3d/bodies/ColourRamps.h"

namespace {

constexpr ColourRamp kColourRamps[kColourRampCount] = {
    {0, 1},    {1, 1},    {2, 1},    {3, 1},    {4, 1},    {5, 1},    {6, 1},    {7, 1},    {8, 1},
    {9, 1},    {10, 6},   {16, 16},  {32, 16},  {48, 16},  {64, 16},  {80, 16},  {96, 16},  {112, 16},
    {128, 16}, {144, 16}, {160, 16}, {176, 16}, {192, 16}, {208, 16}, {224, 10}, {234, 12}, {246, 1},
    {247, 1},  {248, 1},  {249, 1},  {250, 1},  {251, 1},  {252, 1},  {253, 1},  {254, 1},  {255, 1},
};

}  // namespace

const ColourRamp* FindColourRamp(int64_t colour) {
  if (colour < 0 || colour > 255) return nullptr;
  for (const ColourRamp& ramp : kColourRamps) {
    if (ramp.start <= colour && colour < ramp.start + ramp.length) return &ramp;
  }
  return nullptr;
}

int32_t ShadeForLight(const ColourRamp& ramp, Fixedpoint level) {
  if (level >= kFixedOne) return ramp.start + ramp.length - 1;
  // A negative ambient level could otherwise reach below the ramp.
  if (level <= 0) return ramp.start;
  return ramp.start + (FixMul(ramp.length * kFixedOne, level) >> 16);
}
