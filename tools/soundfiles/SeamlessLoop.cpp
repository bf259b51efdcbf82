#include "soundfiles/SeamlessLoop.h"

bool MakeSeamlessLoop(Signal& signal, double overlapSeconds) {
  size_t overlap = SampleCount(overlapSeconds, signal.rate);
  if (overlap == 0 || overlap * 2 >= signal.samples.size()) return false;
  size_t loopLength = signal.samples.size() - overlap;
  for (size_t i = 0; i < overlap; ++i) {
    double in = static_cast<double>(i) / overlap;
    signal.samples[i] = signal.samples[i] * in + signal.samples[loopLength + i] * (1.0 - in);
  }
  signal.samples.resize(loopLength);
  return true;
}
