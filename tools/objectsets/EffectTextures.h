#pragma once
#include <cstdint>

#include "objectsets/Canvas.h"

// The particle sprites of kinds 0-11 (spray, dark smoke, grey smoke, water jet, dust,
// spark, steam, small flash, big flash, splash, glow, dust cloud): square, texel 0 clear.
inline constexpr uint32_t kParticleSide = 16;
Canvas PaintParticle(uint32_t kind);

// The flame: yellow at its heart, red at its tips, on clear texels.
Canvas PaintFlame();
