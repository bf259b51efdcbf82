#include "X/Body/BodyLimbs.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "X/Body/BodyNumbers.h"
#include "X/Body/BodyRaster.h"
#include "X/Y/XAssert.h"

namespace {

using Ramp = std::array<uint8_t, kLargestLimbWidth + 1>;

Ramp CrossSection(uint8_t colour, int32_t width) {
  Ramp ramp{};
  for (int32_t i = 0; i < width; ++i)
    ramp[static_cast<size_t>(i)] = static_cast<uint8_t>(colour + TruncateToInt(i * static_cast<double>(kShadeSpan) / width));
  return ramp;
}

bool EndsFit(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) {
  if (!gBodyRaster.pixels || x1 < 0 || y1 < 0 || x2 < 0 || y2 < 0) return false;
  const int32_t right = gBodyRaster.largestX - (width - 1);
  const int32_t bottom = gBodyRaster.largestY - (width - 1);
  return x1 <= right && x2 <= right && y1 <= bottom && y2 <= bottom;
}

// The run across the line at (x, y): ramp entries from..to of a run of `width` pixels.
void LayRun(int32_t x, int32_t y, bool steep, const Ramp& ramp, int32_t width, int32_t from, int32_t to) {
  if (from > to) return;
  const int32_t start = from - width / 2;
  if (steep) {
    PutClippedRun(x + start, x + start + (to - from), y, ramp.data() + from);
    return;
  }
  for (int32_t i = from; i <= to; ++i) PutClippedPixel(x, y + i - width / 2, ramp[static_cast<size_t>(i)]);
}

// Walks from the first end towards the second, one step per pixel of the major axis, calling
// visit(step, x, y, steep) for every point but the last.
template <typename Visit>
void WalkLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Visit visit) {
  const int32_t dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  const int32_t sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
  const bool steep = dy > dx;
  const int32_t major = steep ? dy : dx, minor = steep ? dx : dy;
  int32_t error = major / 2;
  int32_t x = x1, y = y1;
  for (int32_t step = 0; step < major; ++step) {
    visit(step, x, y, steep);
    if (steep) y += sy; else x += sx;
    error -= minor;
    if (error < 0) {
      error += major;
      if (steep) x += sx; else y += sy;
    }
  }
}

int32_t MajorLength(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return std::max(std::abs(x2 - x1), std::abs(y2 - y1));
}

}  // namespace

void DrawLine(int32_t x1, int32_t y1, int32_t, int32_t x2, int32_t y2, int32_t, uint8_t colour, int32_t width) {
  if (width <= 0 || width > kLargestLimbWidth || !EndsFit(x1, y1, x2, y2, width)) return;
  const Ramp ramp = CrossSection(colour, width);
  WalkLine(x1, y1, x2, y2, [&](int32_t, int32_t x, int32_t y, bool steep) { LayRun(x, y, steep, ramp, width, 0, width - 1); });
}

void DrawTaperedLine(int32_t x1, int32_t y1, int32_t, int32_t x2, int32_t y2, int32_t, int32_t narrowing,
                     uint8_t colour, int32_t width) {
  if (width <= 0 || width > kLargestLimbWidth) return;
  const int32_t narrowingSteps = narrowing == 0 ? 1 : narrowing;
  const int32_t fullWidth = width + (width == narrowingSteps ? 1 : 0);
  if (fullWidth > kLargestLimbWidth + 1) {
    X_ASSERT("using index greater than VOD_ALLOWED_DIAMETER_OVER_2+1 with col[that size]");
    return;
  }
  if (narrowingSteps < 0 || !EndsFit(x1, y1, x2, y2, fullWidth)) return;
  const int64_t every = (MajorLength(x1, y1, x2, y2) + 1) / (static_cast<int64_t>(narrowingSteps) + 1);
  if (every < 1) return;
  const Ramp ramp = CrossSection(colour, fullWidth);
  WalkLine(x1, y1, x2, y2, [&](int32_t step, int32_t x, int32_t y, bool steep) {
    const auto inset = static_cast<int32_t>(step / every);
    LayRun(x, y, steep, ramp, fullWidth, inset, fullWidth - inset - 1);
  });
}
