#pragma once
#include <functional>

#include "soundfiles/Signal.h"

// Attack, decay and release in seconds, sustain as a level 0..1. The release ends at the
// signal's end; the sustain holds between the decay and the release.
struct Adsr {
  double attack = 0.005;
  double decay = 0.0;
  double sustain = 1.0;
  double release = 0.005;
};

// The gain at a time in seconds from the start.
using GainCurve = std::function<double(double seconds)>;

// Shapes the signal with the envelope (straight segments).
void ApplyAdsr(Signal& signal, const Adsr& envelope);
// Multiplies each sample by the curve's value at its time: tremolo, chop, swells.
void ApplyGain(Signal& signal, const GainCurve& gain);
// Fades out exponentially, halving every `halfLife` seconds: bangs, knocks, chimes.
void ApplyDecay(Signal& signal, double halfLife);
// A gain that pulses `pulsesPerSecond` times a second between `floor` and 1, each pulse
// a raised cosine: the chop of rotor blades, a bell's tremolo.
GainCurve Pulses(double pulsesPerSecond, double floor);
