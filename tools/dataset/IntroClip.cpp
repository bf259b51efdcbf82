#include "dataset/IntroClip.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The intro's palette layout.
constexpr int32_t kSky = 10;          // 64 shades, top of the sky to the horizon
constexpr int32_t kSkyShades = 64;
constexpr int32_t kSun = 74;          // 8 shades, rim to centre
constexpr int32_t kFarTowers = 82;
constexpr int32_t kNearTowers = 83;
constexpr int32_t kWindowLit = 84;    // 4 warm shades
constexpr int32_t kWindowDark = 88;
constexpr int32_t kBeam = 89;         // 4 shades of the searchlight on towers and sky
constexpr int32_t kHull = 93;
constexpr int32_t kHullLight = 94;
constexpr int32_t kRotor = 95;
constexpr int32_t kRedLight = 96;
constexpr int32_t kGreenLight = 97;
constexpr int32_t kLastIntroColour = 97;

using Canvas = std::vector<uint8_t>;

platform::Rgb Mix(platform::Rgb a, platform::Rgb b, double t) {
  auto channel = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

void Put(Canvas& canvas, int32_t x, int32_t y, int32_t index) {
  if (x < 0 || y < 0 || x >= kIntroWidth || y >= kIntroHeight) return;
  canvas[static_cast<size_t>(y * kIntroWidth + x)] = static_cast<uint8_t>(index);
}

void FillRect(Canvas& canvas, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t index) {
  for (int32_t y = top; y < bottom; ++y) {
    for (int32_t x = left; x < right; ++x) Put(canvas, x, y, index);
  }
}

void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, int32_t index) {
  for (int32_t y = static_cast<int32_t>(cy - ry); y <= static_cast<int32_t>(cy + ry); ++y) {
    for (int32_t x = static_cast<int32_t>(cx - rx); x <= static_cast<int32_t>(cx + rx); ++x) {
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Put(canvas, x, y, index);
    }
  }
}

// A small fixed hash, so the skyline and its windows are the same on every machine.
uint32_t Hash(uint32_t a, uint32_t b) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0xC2B2AE3Du;
  return h ^ (h >> 13);
}

void DrawSky(Canvas& canvas) {
  for (int32_t y = 0; y < kIntroHeight; ++y) {
    FillRect(canvas, 0, y, kIntroWidth, y + 1, kSky + y * (kSkyShades - 1) / (kIntroHeight - 1));
  }
  const double sunX = 470, sunY = 150, radius = 30;
  for (int32_t shade = 0; shade < 8; ++shade) FillEllipse(canvas, sunX, sunY, radius - shade * 4, radius - shade * 4, kSun + shade);
}

// Towers of one layer, side by side; the near ones carry windows, some lit.
void DrawTowers(Canvas& canvas, uint32_t layer, int32_t minHeight, int32_t maxHeight, int32_t index, int32_t frame) {
  int32_t x = -static_cast<int32_t>(Hash(layer, 99) % 30);
  for (uint32_t n = 0; x < kIntroWidth; ++n) {
    const int32_t width = 24 + static_cast<int32_t>(Hash(layer, n) % 40);
    const int32_t height = minHeight + static_cast<int32_t>(Hash(n, layer) % static_cast<uint32_t>(maxHeight - minHeight));
    const int32_t top = kIntroHeight - height;
    FillRect(canvas, x, top, x + width - 2, kIntroHeight, index);
    if (index == kNearTowers) {
      for (int32_t wy = top + 6; wy < kIntroHeight - 4; wy += 9) {
        for (int32_t wx = x + 4; wx < x + width - 6; wx += 7) {
          const uint32_t h = Hash(static_cast<uint32_t>(wx), static_cast<uint32_t>(wy));
          // A few windows go on and off as the clip runs.
          const bool lit = h % 3 == 0 || (h % 11 == 1 && (frame / 8 + h) % 2 == 0);
          FillRect(canvas, wx, wy, wx + 3, wy + 4, lit ? kWindowLit + static_cast<int32_t>(h % 4) : kWindowDark);
        }
      }
    }
    x += width;
  }
}

// A cone of light from (x, y) downwards, swinging with the frame: the pixels under it
// brighten to the beam's shades.
void DrawBeam(Canvas& canvas, double x, double y, int32_t frame) {
  const double swing = std::sin(frame * 0.15) * 0.5;
  for (int32_t row = static_cast<int32_t>(y) + 6; row < kIntroHeight; ++row) {
    const double depth = row - y;
    const double centre = x + depth * swing;
    const double halfWidth = 4 + depth * 0.22;
    for (int32_t column = static_cast<int32_t>(centre - halfWidth); column <= static_cast<int32_t>(centre + halfWidth);
         ++column) {
      const double edge = std::abs(column - centre) / halfWidth;
      Put(canvas, column, row, kBeam + std::min(3, static_cast<int32_t>(edge * 4)));
    }
  }
}

// Where the helicopter's body is centred: it crosses from off the left edge to off the
// right, bobbing a little.
double HelicopterX(int32_t frame) { return -90 + frame * (kIntroWidth + 180) / static_cast<double>(kIntroFrames - 1); }
double HelicopterY(int32_t frame) { return 70 + std::sin(frame * 0.3) * 6; }

void DrawHelicopter(Canvas& canvas, int32_t frame) {
  const double x = HelicopterX(frame);
  const double y = HelicopterY(frame);
  FillRect(canvas, static_cast<int32_t>(x - 48), static_cast<int32_t>(y - 2), static_cast<int32_t>(x - 12),
           static_cast<int32_t>(y + 2), kHull);
  FillRect(canvas, static_cast<int32_t>(x - 52), static_cast<int32_t>(y - 9), static_cast<int32_t>(x - 46),
           static_cast<int32_t>(y + 2), kHull);
  FillEllipse(canvas, x, y, 20, 10, kHull);
  FillEllipse(canvas, x + 8, y - 3, 8, 5, kHullLight);
  FillRect(canvas, static_cast<int32_t>(x - 14), static_cast<int32_t>(y + 14), static_cast<int32_t>(x + 16),
           static_cast<int32_t>(y + 16), kHull);
  FillRect(canvas, static_cast<int32_t>(x - 1), static_cast<int32_t>(y - 15), static_cast<int32_t>(x + 2),
           static_cast<int32_t>(y - 9), kHull);
  // The main rotor seen edge on: its span grows and shrinks as it turns.
  const double span = 8 + 44 * std::abs(std::cos(frame * 1.1));
  FillRect(canvas, static_cast<int32_t>(x - span), static_cast<int32_t>(y - 16), static_cast<int32_t>(x + span),
           static_cast<int32_t>(y - 14), kRotor);
  const double tail = 3 + 6 * std::abs(std::sin(frame * 1.7));
  FillRect(canvas, static_cast<int32_t>(x - 50), static_cast<int32_t>(y - 4 - tail), static_cast<int32_t>(x - 48),
           static_cast<int32_t>(y - 4 + tail), kRotor);
  if (frame % 4 < 2) FillEllipse(canvas, x - 50, y - 10, 2, 2, kRedLight);
  if (frame % 4 >= 2) FillEllipse(canvas, x + 14, y + 6, 2, 2, kGreenLight);
}

}  // namespace

VideoColours IntroColours() {
  VideoColours colours{};
  for (int32_t i = 0; i < 256; ++i) {
    colours[static_cast<size_t>(i)] = platform::IsStaticColourIndex(i) ? platform::StaticColour(i) : platform::Rgb{40, 40, 48};
  }
  const std::array<platform::Rgb, 4> sky = {{{18, 16, 52}, {72, 40, 96}, {200, 88, 84}, {252, 168, 76}}};
  for (int32_t i = 0; i < kSkyShades; ++i) {
    const double t = i / static_cast<double>(kSkyShades - 1) * 3;
    const auto part = std::min<size_t>(2, static_cast<size_t>(t));
    colours[static_cast<size_t>(kSky + i)] = Mix(sky[part], sky[part + 1], t - static_cast<double>(part));
  }
  for (int32_t i = 0; i < 8; ++i) colours[static_cast<size_t>(kSun + i)] = Mix({252, 140, 60}, {255, 240, 190}, i / 7.0);
  colours[kFarTowers] = {84, 52, 92};
  colours[kNearTowers] = {28, 22, 44};
  for (int32_t i = 0; i < 4; ++i) colours[static_cast<size_t>(kWindowLit + i)] = Mix({228, 160, 64}, {255, 236, 150}, i / 3.0);
  colours[kWindowDark] = {44, 36, 64};
  for (int32_t i = 0; i < 4; ++i) colours[static_cast<size_t>(kBeam + i)] = Mix({255, 250, 210}, {150, 120, 130}, i / 3.0);
  colours[kHull] = {14, 14, 20};
  colours[kHullLight] = {96, 120, 150};
  colours[kRotor] = {60, 60, 70};
  colours[kRedLight] = {255, 40, 30};
  colours[kGreenLight] = {40, 255, 80};
  static_assert(kLastIntroColour <= platform::kLastGameColour);
  return colours;
}

std::vector<uint8_t> DrawIntroFrame(int32_t frame) {
  Canvas canvas(static_cast<size_t>(kIntroWidth) * kIntroHeight, 0);
  DrawSky(canvas);
  DrawTowers(canvas, 1, 70, 170, kFarTowers, frame);
  DrawTowers(canvas, 2, 30, 120, kNearTowers, frame);
  DrawBeam(canvas, HelicopterX(frame) + 6, HelicopterY(frame) + 8, frame);
  DrawHelicopter(canvas, frame);
  return canvas;
}
