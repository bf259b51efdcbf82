#include "soundfiles/Noise.h"

#include <algorithm>

namespace {

// xorshift32: a value in -1..1 per call; a zero seed is replaced (xorshift sticks at 0).
class NoiseSource {
public:
  explicit NoiseSource(uint32_t seed) : mState(seed ? seed : 0x9E3779B9u) {}
  double Next() {
    mState ^= mState << 13;
    mState ^= mState >> 17;
    mState ^= mState << 5;
    return static_cast<double>(mState) / 2147483647.5 - 1.0;
  }

private:
  uint32_t mState;
};

}  // namespace

Signal WhiteNoise(double seconds, uint32_t rate, uint32_t seed) {
  Signal signal = Silence(seconds, rate);
  NoiseSource source(seed);
  for (double& sample : signal.samples) sample = source.Next();
  return signal;
}

Signal SteppedNoise(double seconds, uint32_t rate, double changesPerSecond, uint32_t seed) {
  Signal signal = Silence(seconds, rate);
  NoiseSource source(seed);
  double span = std::max(1.0, rate / std::max(changesPerSecond, 1e-6));
  double from = source.Next();
  double to = source.Next();
  double position = 0.0;
  for (double& sample : signal.samples) {
    sample = from + (to - from) * (position / span);
    position += 1.0;
    if (position < span) continue;
    position -= span;
    from = to;
    to = source.Next();
  }
  return signal;
}
