#pragma once
#include "soundfiles/Signal.h"

// Second-order filters (the usual biquad forms) applied in place; `q` sets the sharpness,
// 0.707 being flat. A cutoff at or above half the rate leaves the signal as it was.
void LowPass(Signal& signal, double cutoffHertz, double q = 0.707);
void HighPass(Signal& signal, double cutoffHertz, double q = 0.707);
// Keeps a band around the centre; a larger q narrows it. Peak gain 1.
void BandPass(Signal& signal, double centreHertz, double q);
