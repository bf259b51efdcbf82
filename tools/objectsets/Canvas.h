#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A bitmap being painted: palette indices, top row first. Writes outside it are dropped.
struct Canvas {
  Canvas(uint32_t w, uint32_t h, uint8_t fill = 0) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

  void Set(int32_t x, int32_t y, uint8_t colour) {
    if (x < 0 || y < 0 || x >= static_cast<int32_t>(width) || y >= static_cast<int32_t>(height)) return;
    pixels[static_cast<size_t>(y) * width + static_cast<size_t>(x)] = colour;
  }
  uint8_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + static_cast<size_t>(x)]; }
  void Rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour) {
    for (int32_t y = y0; y < y1; ++y)
      for (int32_t x = x0; x < x1; ++x) Set(x, y, colour);
  }
  // The ellipse inside the box from (x0, y0) to (x1, y1), exclusive.
  void Ellipse(double x0, double y0, double x1, double y1, uint8_t colour) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
    for (int32_t y = 0; y < static_cast<int32_t>(height); ++y) {
      for (int32_t x = 0; x < static_cast<int32_t>(width); ++x) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, colour);
      }
    }
  }
  // The same picture with rows and columns swapped: the layout of the column-drawn walls.
  Canvas Transposed() const {
    Canvas out(height, width);
    for (uint32_t y = 0; y < height; ++y)
      for (uint32_t x = 0; x < width; ++x) out.Set(static_cast<int32_t>(y), static_cast<int32_t>(x), At(static_cast<int32_t>(x), static_cast<int32_t>(y)));
    return out;
  }

  uint32_t width;
  uint32_t height;
  std::vector<uint8_t> pixels;
};

// A small deterministic hash for texture noise.
inline uint32_t Noise(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}
