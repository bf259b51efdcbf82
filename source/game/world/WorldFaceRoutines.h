#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

struct DrawBlock;

// The world's own routines for three face types of the frame draw: points (23), blinking
// lights (25) and particles (26). Each draws at the block's first screen vertex and only
// inside the clip rectangle; a block without vertices draws nothing.

// Particles: kind k (0 to 11) draws bitmap 52 + k of the world's bitmap group.
constexpr uint32_t kFirstParticleBitmap = 52;
constexpr uint32_t kParticleKinds = 12;
// A particle is a square of the projected size of 16.0 at its depth, and nothing from
// this depth on.
constexpr Fixedpoint kParticleSize = 16 * kFixedOne;
constexpr Fixedpoint kParticleFarDepth = 1424 * kFixedOne;

// Writes the low byte of the block's colour word at the vertex.
void DrawPixelPrimitive(const DrawBlock& block);
// The frame phase (0 to 7) on which a blinking light of the colour shows: 246 on phase 0,
// 249 to 252 on phases 1 to 4, every other colour on phase 5.
uint32_t BlinkPhase(uint32_t colour);
// A 2 x 2 light in the block's colour, from the vertex right and down, shown only on the
// frames whose draw frame counter AND 7 is its colour's phase.
void DrawBlinkingLight(const DrawBlock& block);
// The particle of the block's kind as a square centred on the vertex, at least a pixel,
// texel 0 transparent; an unknown kind or a missing bitmap draws nothing.
void DrawParticleSprite(const DrawBlock& block);

// Binds the three routines to their face types.
void BindWorldFaceRoutines();
