#include "soundfiles/Oscillator.h"

#include <cmath>
#include <numbers>

namespace {

// The waveform's value at a phase in 0..1.
double WaveAt(Waveform waveform, double phase) {
  switch (waveform) {
    case Waveform::kSine:
      return std::sin(2.0 * std::numbers::pi * phase);
    case Waveform::kSquare:
      return phase < 0.5 ? 1.0 : -1.0;
    case Waveform::kSawtooth:
      return 2.0 * phase - 1.0;
    case Waveform::kTriangle:
      return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
  }
  return 0.0;
}

}  // namespace

Signal Oscillator(Waveform waveform, const FrequencyCurve& hertz, double seconds, uint32_t rate) {
  Signal signal = Silence(seconds, rate);
  double phase = 0.0;
  for (size_t i = 0; i < signal.samples.size(); ++i) {
    signal.samples[i] = WaveAt(waveform, phase);
    phase += hertz(static_cast<double>(i) / rate) / rate;
    phase -= std::floor(phase);
  }
  return signal;
}

Signal Tone(Waveform waveform, double hertz, double seconds, uint32_t rate) {
  return Oscillator(waveform, [hertz](double) { return hertz; }, seconds, rate);
}

Signal Glide(Waveform waveform, double fromHertz, double toHertz, double seconds, uint32_t rate) {
  double ratio = toHertz / fromHertz;
  auto curve = [=](double t) { return fromHertz * std::pow(ratio, seconds > 0.0 ? t / seconds : 0.0); };
  return Oscillator(waveform, curve, seconds, rate);
}

FrequencyCurve Wobble(double centreHertz, double depthHertz, double cyclesPerSecond) {
  return [=](double t) { return centreHertz + depthHertz * std::sin(2.0 * std::numbers::pi * cyclesPerSecond * t); };
}
