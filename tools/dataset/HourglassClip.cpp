#include "dataset/HourglassClip.h"

#include <cmath>
#include <numbers>

#include "imagefiles/GamePalette.h"
#include "platform/Process.h"
#include "videofiles/VideoWriter.h"

namespace {

constexpr uint8_t kBlack = 0;
constexpr uint8_t kWood = 116;       // brown ramp
constexpr uint8_t kWoodLight = 121;
constexpr uint8_t kGlass = 60;       // grey ramp
constexpr uint8_t kSand = 202;       // sand ramp

// The frames in which the sand runs; the rest turn the glass half a turn.
constexpr int32_t kRunningFrames = 8;
constexpr double kBulbLength = 30.0;
// Drawn at three quarters of its size, so that it stays inside the frame while it turns.
constexpr double kScale = 0.75;

// The glass's inner half-width at height v from the neck (0) to the plates (30).
double BulbHalfWidth(double v) { return 2.5 + 13.0 * std::sin(std::min(std::abs(v) / kBulbLength, 1.0) * 1.45); }

// What lies at (u, v) of the upright hourglass (v down, the neck at 0), with the upper
// bulb's sand filling `upper` and the lower's `lower` of their lengths, and the stream
// through the neck while it runs.
uint8_t HourglassTexel(double u, double v, double upper, double lower, bool running) {
  const double au = std::abs(u), av = std::abs(v);
  if (av > 36.0 || au > 22.0) return kBlack;
  if (av >= 32.0) return av < 33.5 ? kWoodLight : kWood;
  if (au >= 18.0 && au <= 21.0) return kWood;
  if (av > kBulbLength) return kBlack;
  const double width = BulbHalfWidth(v);
  if (au > width + 1.2) return kBlack;
  if (au > width) return kGlass;
  // Sand settles on the neck in the upper bulb and on the plate in the lower one.
  if (v < 0 && -v <= upper * kBulbLength) return kSand;
  if (v > 0 && v >= kBulbLength * (1.0 - lower)) return kSand;
  if (running && au < 0.8) return kSand;
  return kBlack;
}

}  // namespace

std::vector<uint8_t> DrawHourglassFrame(int32_t frame) {
  const bool running = frame < kRunningFrames;
  const double run = running ? static_cast<double>(frame) / kRunningFrames : 1.0;
  const double angle = running ? 0.0 : std::numbers::pi * (frame - kRunningFrames + 1) / (kHourglassFrames - kRunningFrames + 1);
  const double c = std::cos(angle), s = std::sin(angle);
  std::vector<uint8_t> pixels(kHourglassWidth * kHourglassHeight);
  for (int32_t y = 0; y < kHourglassHeight; ++y) {
    for (int32_t x = 0; x < kHourglassWidth; ++x) {
      const double dx = x + 0.5 - kHourglassWidth / 2.0, dy = y + 0.5 - kHourglassHeight / 2.0;
      const double u = (c * dx + s * dy) / kScale, v = (-s * dx + c * dy) / kScale;
      pixels[y * kHourglassWidth + x] = HourglassTexel(u, v, 0.8 * (1.0 - run), 0.8 * run, running);
    }
  }
  return pixels;
}

bool WriteHourglassStep(const std::string&, const std::string& outputPath, std::string& error) {
  VideoWriter writer(kHourglassWidth, kHourglassHeight, kHourglassFrameMicroseconds);
  writer.SetPalette(GamePalette());
  for (int32_t frame = 0; frame < kHourglassFrames; ++frame) writer.AddFrame(DrawHourglassFrame(frame));
  return writer.Save(platform::ToGamePath(outputPath), error);
}
