#include "dataset/IntroSoundtrack.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "soundfiles/Envelope.h"
#include "soundfiles/Filter.h"
#include "soundfiles/Noise.h"
#include "soundfiles/Oscillator.h"
#include "soundfiles/Signal.h"

namespace {

constexpr uint32_t kNoiseSeed = 27;

// The blades' chop speeds up from 6 to 14 beats a second; its phase is the integral of the
// rising rate, so the beat never jumps.
GainCurve RisingChop(double seconds) {
  return [seconds](double t) {
    const double fromRate = 6.0, toRate = 14.0;
    const double phase = fromRate * t + (toRate - fromRate) * t * t / (2.0 * seconds);
    return 0.25 + 0.75 * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * phase));
  };
}

// Rumbling noise chopped by the blades over the turbine's rising whine, loudest as the
// helicopter passes the middle of the picture.
Signal Rotor(double seconds) {
  Signal rotor = SteppedNoise(seconds, kIntroSoundRate, 900.0, kNoiseSeed);
  LowPass(rotor, 500.0);
  ApplyGain(rotor, RisingChop(seconds));
  Signal whine = Glide(Waveform::kSawtooth, 70.0, 140.0, seconds, kIntroSoundRate);
  LowPass(whine, 600.0);
  MixInto(rotor, whine, 0.0, 0.25);
  ApplyGain(rotor, [seconds](double t) {
    const double x = t / seconds;
    return 0.35 + 0.65 * std::sin(std::numbers::pi * std::min(1.0, x * 1.2));
  });
  return rotor;
}

// A short rising theme in A minor, one note a beat, the last held.
Signal Theme(double seconds) {
  const double notes[] = {220.00, 261.63, 329.63, 293.66, 261.63, 329.63, 392.00, 440.00};
  const double beat = seconds / 9.0;
  Signal theme = Silence(seconds, kIntroSoundRate);
  for (size_t i = 0; i < std::size(notes); ++i) {
    const bool last = i + 1 == std::size(notes);
    Signal note = Tone(Waveform::kTriangle, notes[i], last ? beat * 2.0 : beat * 0.9, kIntroSoundRate);
    MixInto(note, Tone(Waveform::kSine, notes[i] * 2.0, note.Seconds(), kIntroSoundRate), 0.0, 0.3);
    ApplyAdsr(note, {0.02, 0.15, 0.6, last ? 0.8 : 0.1});
    MixInto(theme, note, beat * static_cast<double>(i) * 0.95 + beat * 0.5);
  }
  return theme;
}

}  // namespace

std::vector<int16_t> IntroSoundtrack(double seconds) {
  Signal track = Rotor(seconds);
  Normalise(track, 0.5);
  Signal theme = Theme(seconds);
  Normalise(theme, 0.4);
  MixInto(track, theme, 0.0);
  track.samples.resize(SampleCount(seconds, kIntroSoundRate));
  ApplyAdsr(track, {0.3, 0.0, 1.0, 0.4});
  Normalise(track, 0.85);
  return ToPcm16(track);
}
