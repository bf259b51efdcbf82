#include "soundfiles/Envelope.h"

#include <cmath>
#include <numbers>

namespace {

double AdsrAt(const Adsr& envelope, double t, double length) {
  double releaseStart = length - envelope.release;
  if (envelope.release > 0.0 && t >= releaseStart) {
    double level = t < envelope.attack ? t / envelope.attack : envelope.sustain;
    return level * std::max(0.0, (length - t) / envelope.release);
  }
  if (t < envelope.attack) return t / envelope.attack;
  t -= envelope.attack;
  if (t < envelope.decay) return 1.0 - (1.0 - envelope.sustain) * (t / envelope.decay);
  return envelope.sustain;
}

}  // namespace

void ApplyAdsr(Signal& signal, const Adsr& envelope) {
  double length = signal.Seconds();
  ApplyGain(signal, [&](double t) { return AdsrAt(envelope, t, length); });
}

void ApplyGain(Signal& signal, const GainCurve& gain) {
  for (size_t i = 0; i < signal.samples.size(); ++i) signal.samples[i] *= gain(static_cast<double>(i) / signal.rate);
}

void ApplyDecay(Signal& signal, double halfLife) {
  if (halfLife <= 0.0) return;
  ApplyGain(signal, [halfLife](double t) { return std::exp2(-t / halfLife); });
}

GainCurve Pulses(double pulsesPerSecond, double floor) {
  return [=](double t) {
    double wave = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * pulsesPerSecond * t);
    return floor + (1.0 - floor) * wave;
  };
}
