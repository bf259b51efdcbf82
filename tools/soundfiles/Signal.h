#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A mono sound being made: samples nominally in -1..1 at a sample rate. Every synthesiser
// routine makes or changes one of these; ToPcm16 turns the result into the WAVE writer's
// samples at the end.
struct Signal {
  uint32_t rate = 22050;
  std::vector<double> samples;

  double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

// A silent signal of the given length.
Signal Silence(double seconds, uint32_t rate);
// The number of samples `seconds` takes at `rate`, rounded to the nearest.
size_t SampleCount(double seconds, uint32_t rate);
// Adds `source` times `gain` into `target` from `atSeconds` on, lengthening `target` to hold it.
// Both must share one rate.
void MixInto(Signal& target, const Signal& source, double atSeconds, double gain = 1.0);
// Appends `tail` to `head` (one rate).
void Append(Signal& head, const Signal& tail);
void Scale(Signal& signal, double gain);
// Scales so that the largest magnitude is `peak`; a silent signal stays silent.
void Normalise(Signal& signal, double peak);
// The largest magnitude.
double Peak(const Signal& signal);
// The signal at another rate, by linear interpolation; lower rates should be low-passed
// first. Playing the result at its own rate sounds the same; playing the samples at the
// old rate shifts the pitch, which is how voices are made higher or lower.
Signal Resample(const Signal& signal, uint32_t newRate);
// Samples of -1..1 as 16-bit PCM, rounded; anything beyond is clipped.
std::vector<int16_t> ToPcm16(const Signal& signal);
