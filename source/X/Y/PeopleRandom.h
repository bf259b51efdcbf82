#pragma once
#include <cstdint>

// The people's own random numbers: a 16-bit feedback generator over a 32-bit seed. Only the
// seed's low half feeds a draw; each draw is combined into the seed, so the sequence is
// fully determined by the seed.
void RandomSeed(uint32_t seed);
uint32_t RandomSeedValue();
// One step of the generator.
uint16_t RandomDraw();
// A value from 0 to range - 1; 0 for a range of 0.
uint16_t Random(uint16_t range);
