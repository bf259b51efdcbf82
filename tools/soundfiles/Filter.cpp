#include "soundfiles/Filter.h"

#include <cmath>
#include <numbers>

namespace {

struct Biquad {
  double b0, b1, b2, a1, a2;
};

enum class Kind { kLowPass, kHighPass, kBandPass };

Biquad Design(Kind kind, double hertz, double q, uint32_t rate) {
  double w = 2.0 * std::numbers::pi * hertz / rate;
  double alpha = std::sin(w) / (2.0 * q);
  double c = std::cos(w);
  double a0 = 1.0 + alpha;
  switch (kind) {
    case Kind::kLowPass:
      return {(1.0 - c) / 2.0 / a0, (1.0 - c) / a0, (1.0 - c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0};
    case Kind::kHighPass:
      return {(1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0};
    case Kind::kBandPass:
      break;
  }
  return {alpha / a0, 0.0, -alpha / a0, -2.0 * c / a0, (1.0 - alpha) / a0};
}

void Run(Signal& signal, Kind kind, double hertz, double q) {
  if (hertz <= 0.0 || q <= 0.0 || hertz * 2.0 >= signal.rate) return;
  Biquad f = Design(kind, hertz, q, signal.rate);
  double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
  for (double& sample : signal.samples) {
    double y = f.b0 * sample + f.b1 * x1 + f.b2 * x2 - f.a1 * y1 - f.a2 * y2;
    x2 = x1;
    x1 = sample;
    y2 = y1;
    y1 = y;
    sample = y;
  }
}

}  // namespace

void LowPass(Signal& signal, double cutoffHertz, double q) { Run(signal, Kind::kLowPass, cutoffHertz, q); }

void HighPass(Signal& signal, double cutoffHertz, double q) { Run(signal, Kind::kHighPass, cutoffHertz, q); }

void BandPass(Signal& signal, double centreHertz, double q) { Run(signal, Kind::kBandPass, centreHertz, q); }
