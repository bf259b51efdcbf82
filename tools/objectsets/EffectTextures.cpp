#include "objectsets/EffectTextures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct ParticleLook {
  uint8_t ramp;      // its colours run from ramp + low to ramp + high, lightest at the centre
  uint8_t low;
  uint8_t high;
  double fill;       // the share of the disc's texels drawn: 1 solid, less for a spray
  double radius;     // of the disc, in texels of 16
};

// Kinds 0-11 in order.
constexpr std::array<ParticleLook, 12> kLooks{{
    {80, 10, 15, 0.45, 7.5},  // spray
    {48, 0, 4, 1.0, 7.5},     // dark smoke
    {48, 6, 11, 1.0, 7.5},    // grey smoke
    {80, 8, 14, 0.8, 5.0},    // water jet
    {192, 4, 9, 0.6, 7.0},    // dust
    {64, 10, 15, 0.35, 4.0},  // spark
    {16, 10, 15, 0.7, 7.5},   // steam
    {64, 8, 15, 1.0, 4.5},    // small flash
    {128, 6, 15, 1.0, 7.5},   // big flash
    {80, 11, 15, 0.55, 7.5},  // splash
    {234, 2, 11, 1.0, 6.0},   // glow
    {192, 2, 8, 0.85, 7.5},   // dust cloud
}};

}  // namespace

Canvas PaintParticle(uint32_t kind) {
  const ParticleLook& look = kLooks[kind % kLooks.size()];
  Canvas canvas(kParticleSide, kParticleSide);
  const double centre = kParticleSide / 2.0;
  for (int32_t y = 0; y < static_cast<int32_t>(kParticleSide); ++y) {
    for (int32_t x = 0; x < static_cast<int32_t>(kParticleSide); ++x) {
      const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre) / look.radius;
      if (d > 1.0) continue;
      if ((Noise(static_cast<uint32_t>(x), static_cast<uint32_t>(y), kind) % 1000) / 1000.0 >= look.fill && d > 0.3) continue;
      const double light = 1.0 - d;
      canvas.Set(x, y, static_cast<uint8_t>(look.ramp + look.low + std::lround(light * (look.high - look.low))));
    }
  }
  return canvas;
}

Canvas PaintFlame() {
  constexpr int32_t kSide = 32;
  Canvas canvas(kSide, kSide);
  for (int32_t y = 0; y < kSide; ++y) {
    // Tongues: the flame's half width at each height, narrowing and flickering upward.
    const double rise = static_cast<double>(kSide - y) / kSide;
    for (int32_t x = 0; x < kSide; ++x) {
      const double across = std::abs(x + 0.5 - kSide / 2.0) / (kSide / 2.0);
      const double tongue = 0.15 * std::sin(x * 1.3) + 0.1 * std::sin(x * 2.9 + 1.0);
      const double edge = (1.0 - rise) * 0.95 + tongue * rise;
      if (across > edge) continue;
      const double heat = (1.0 - across / std::max(edge, 0.01)) * (1.0 - rise * 0.6);
      uint8_t colour = heat > 0.6 ? static_cast<uint8_t>(64 + 14) : heat > 0.3 ? static_cast<uint8_t>(128 + 12)
                                                                               : static_cast<uint8_t>(96 + 10);
      canvas.Set(x, y, colour);
    }
  }
  return canvas;
}
