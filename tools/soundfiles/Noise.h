#pragma once
#include "soundfiles/Signal.h"

// White noise in -1..1 from a small generator of our own, so the same seed gives the same
// samples on every machine and library.
Signal WhiteNoise(double seconds, uint32_t rate, uint32_t seed);
// Noise whose value is held for `1 / changesPerSecond` seconds at a time and slides
// linearly to the next: a rumble or crackle far rougher than filtered white noise.
Signal SteppedNoise(double seconds, uint32_t rate, double changesPerSecond, uint32_t seed);
