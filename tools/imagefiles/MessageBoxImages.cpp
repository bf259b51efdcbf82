#include "imagefiles/MessageBoxImages.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int32_t kBodyBevel = 3;
constexpr int32_t kPanelBevel = 2;
constexpr double kPi = 3.14159265358979323846;

// Pixels of one image with clipped drawing.
class Canvas {
public:
  Canvas(int32_t width, int32_t height, uint8_t fill)
      : mWidth(width), mHeight(height), mPixels(static_cast<size_t>(width) * height, fill) {}

  void Set(int32_t x, int32_t y, uint8_t colour) {
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight) return;
    mPixels[static_cast<size_t>(y) * mWidth + x] = colour;
  }
  void Fill(const PixelRect& r, uint8_t colour) {
    for (int32_t y = r.top; y < r.bottom; ++y) {
      for (int32_t x = r.left; x < r.right; ++x) Set(x, y, colour);
    }
  }
  // A bevel `thickness` wide inside r: topLeft along the top and left, bottomRight along
  // the bottom and right.
  void Bevel(const PixelRect& r, int32_t thickness, uint8_t topLeft, uint8_t bottomRight) {
    for (int32_t i = 0; i < thickness; ++i) {
      Fill({r.left + i, r.bottom - 1 - i, r.right - i, r.bottom - i}, bottomRight);
      Fill({r.right - 1 - i, r.top + i, r.right - i, r.bottom - i}, bottomRight);
      Fill({r.left + i, r.top + i, r.right - i, r.top + i + 1}, topLeft);
      Fill({r.left + i, r.top + i, r.left + i + 1, r.bottom - i}, topLeft);
    }
  }
  void Ellipse(int32_t cx, int32_t cy, int32_t rx, int32_t ry, uint8_t colour) {
    for (int32_t y = -ry; y <= ry; ++y) {
      for (int32_t x = -rx; x <= rx; ++x) {
        if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry) Set(cx + x, cy + y, colour);
      }
    }
  }
  std::vector<uint8_t>& Pixels() { return mPixels; }

private:
  int32_t mWidth;
  int32_t mHeight;
  std::vector<uint8_t> mPixels;
};

// Clears the pixels outside a quarter circle in each corner.
void RoundCorners(Canvas& canvas, int32_t width, int32_t height, int32_t r) {
  for (int32_t y = 0; y < r; ++y) {
    for (int32_t x = 0; x < r; ++x) {
      const int32_t dx = r - x;
      const int32_t dy = r - y;
      if (dx * dx + dy * dy <= r * r) continue;
      canvas.Set(x, y, kControlTransparentIndex);
      canvas.Set(width - 1 - x, y, kControlTransparentIndex);
      canvas.Set(x, height - 1 - y, kControlTransparentIndex);
      canvas.Set(width - 1 - x, height - 1 - y, kControlTransparentIndex);
    }
  }
}

void DrawFrame(Canvas& canvas, int32_t left, int32_t width, int32_t height, int32_t frame, int32_t frames,
               const StripScene& scene) {
  const int32_t groundTop = height * 4 / 5;
  const int32_t skySteps = std::abs(scene.skyBottom - scene.skyTop);
  const int32_t skyDirection = scene.skyBottom >= scene.skyTop ? 1 : -1;
  for (int32_t y = 0; y < groundTop; ++y) {
    const int32_t step = groundTop > 1 ? y * skySteps / (groundTop - 1) : 0;
    canvas.Fill({left, y, left + width, y + 1}, static_cast<uint8_t>(scene.skyTop + skyDirection * step));
  }
  canvas.Fill({left, groundTop, left + width, height}, scene.ground);

  const double turn = static_cast<double>(frame) / std::max(frames, 1);
  const int32_t cx = left + width / 2;
  const int32_t cy = height * 2 / 5 + static_cast<int32_t>(std::lround(3.0 * std::sin(2.0 * kPi * turn)));
  canvas.Ellipse(cx, cy, width / 7, height / 9, scene.body);
  canvas.Fill({cx, cy - 2, cx + width / 4, cy + 2}, scene.body);
  canvas.Fill({cx + width / 4 - 2, cy - 7, cx + width / 4 + 1, cy + 3}, scene.rotor);
  canvas.Fill({cx - 1, cy - height / 9 - 4, cx + 2, cy - height / 9}, scene.rotor);
  const int32_t blade = 4 + static_cast<int32_t>(std::lround(std::fabs(std::cos(kPi * turn)) * width / 3));
  canvas.Fill({cx - blade, cy - height / 9 - 5, cx + blade + 1, cy - height / 9 - 3}, scene.rotor);
  canvas.Fill({cx - width / 8, cy + height / 9 + 3, cx + width / 8, cy + height / 9 + 5}, scene.rotor);
}

}  // namespace

ControlImage DrawBoxImage(int32_t width, int32_t height, int32_t cornerRadius, const StripColours& body,
                          const std::vector<BoxPanel>& panels) {
  Canvas canvas(width, height, body.face);
  canvas.Bevel({0, 0, width, height}, kBodyBevel, body.light, body.dark);
  for (const BoxPanel& panel : panels) {
    const PixelRect& a = panel.area;
    canvas.Fill(a, panel.fill);
    canvas.Bevel({a.left - kPanelBevel, a.top - kPanelBevel, a.right + kPanelBevel, a.bottom + kPanelBevel},
                 kPanelBevel, body.dark, body.light);
  }
  RoundCorners(canvas, width, height, cornerRadius);
  return {width, height, std::move(canvas.Pixels())};
}

ControlImage DrawPictureStrip(int32_t frameWidth, int32_t frameHeight, int32_t frames, const StripScene& scene) {
  Canvas canvas(frameWidth * frames, frameHeight, scene.ground);
  for (int32_t frame = 0; frame < frames; ++frame)
    DrawFrame(canvas, frame * frameWidth, frameWidth, frameHeight, frame, frames, scene);
  return {frameWidth * frames, frameHeight, std::move(canvas.Pixels())};
}
