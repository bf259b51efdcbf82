#pragma once
#include <functional>

#include "soundfiles/Signal.h"

enum class Waveform { kSine, kSquare, kSawtooth, kTriangle };

// The frequency in hertz at a time in seconds from the start.
using FrequencyCurve = std::function<double(double seconds)>;

// A waveform of amplitude 1 whose frequency follows the curve. The phase is accumulated
// sample by sample, so sweeps and wobbles (sirens, engines) stay continuous; it starts at 0.
Signal Oscillator(Waveform waveform, const FrequencyCurve& hertz, double seconds, uint32_t rate);
// A steady tone.
Signal Tone(Waveform waveform, double hertz, double seconds, uint32_t rate);
// A glide from one frequency to another, even in pitch (exponential).
Signal Glide(Waveform waveform, double fromHertz, double toHertz, double seconds, uint32_t rate);
// A curve that swings around `centreHertz` by `depthHertz`, `cyclesPerSecond` times a
// second, as a sine; the wail of a siren or an engine's wobble.
FrequencyCurve Wobble(double centreHertz, double depthHertz, double cyclesPerSecond);
