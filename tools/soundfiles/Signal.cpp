#include "soundfiles/Signal.h"

#include <algorithm>
#include <cmath>

Signal Silence(double seconds, uint32_t rate) {
  Signal signal;
  signal.rate = rate;
  signal.samples.assign(SampleCount(seconds, rate), 0.0);
  return signal;
}

size_t SampleCount(double seconds, uint32_t rate) {
  if (seconds <= 0.0) return 0;
  return static_cast<size_t>(std::lround(seconds * rate));
}

void MixInto(Signal& target, const Signal& source, double atSeconds, double gain) {
  size_t start = SampleCount(atSeconds, target.rate);
  if (target.samples.size() < start + source.samples.size()) target.samples.resize(start + source.samples.size(), 0.0);
  for (size_t i = 0; i < source.samples.size(); ++i) target.samples[start + i] += source.samples[i] * gain;
}

void Append(Signal& head, const Signal& tail) {
  head.samples.insert(head.samples.end(), tail.samples.begin(), tail.samples.end());
}

void Scale(Signal& signal, double gain) {
  for (double& sample : signal.samples) sample *= gain;
}

double Peak(const Signal& signal) {
  double peak = 0.0;
  for (double sample : signal.samples) peak = std::max(peak, std::fabs(sample));
  return peak;
}

void Normalise(Signal& signal, double peak) {
  double largest = Peak(signal);
  if (largest > 0.0) Scale(signal, peak / largest);
}

Signal Resample(const Signal& signal, uint32_t newRate) {
  Signal result;
  result.rate = newRate;
  if (signal.samples.empty() || signal.rate == 0 || newRate == 0) return result;
  size_t count = static_cast<size_t>(static_cast<double>(signal.samples.size()) * newRate / signal.rate);
  result.samples.resize(std::max<size_t>(count, 1));
  double step = static_cast<double>(signal.rate) / newRate;
  size_t last = signal.samples.size() - 1;
  for (size_t i = 0; i < result.samples.size(); ++i) {
    double position = i * step;
    size_t index = std::min(static_cast<size_t>(position), last);
    size_t next = std::min(index + 1, last);
    double fraction = position - static_cast<double>(index);
    result.samples[i] = signal.samples[index] * (1.0 - fraction) + signal.samples[next] * fraction;
  }
  return result;
}

std::vector<int16_t> ToPcm16(const Signal& signal) {
  std::vector<int16_t> pcm(signal.samples.size());
  for (size_t i = 0; i < pcm.size(); ++i) {
    double value = std::clamp(signal.samples[i], -1.0, 1.0) * 32767.0;
    pcm[i] = static_cast<int16_t>(std::lround(value));
  }
  return pcm;
}
