#include "pel3d/raster/LineFills.h"

#include <algorithm>
#include <cstddef>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"

namespace {

constexpr int32_t kRemapLineWidth = 4;

int32_t gLinePhase = 0;

struct LinePoint {
  int32_t x;
  int32_t y;
};

// The vertex in whole pixels, held to columns 0 .. rightmost and to the view's rows.
LinePoint HeldPoint(const ScreenVertex& vertex, int32_t rightmost) {
  return {std::clamp(vertex.x >> 12, 0, rightmost), std::clamp(vertex.y >> 12, 0, gView.height - 1)};
}

bool CanDraw(const DrawBlock& block, int32_t rightmost) {
  if (block.vertexCount != 2 || !block.vertices || !gViewFrameBuffer.pixels) return false;
  if (rightmost < 0 || gView.height <= 0) return false;
  return gView.rowOffsets.size() >= static_cast<std::size_t>(gView.height);
}

// Walks from the first end point to the second with an error term that starts at 0, calling
// plot(address) for each of the max(dx, dy) + 1 pixels.
template <class Plot>
void WalkLine(LinePoint from, LinePoint to, Plot& plot) {
  uint8_t* address = gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(from.y)] + from.x;
  int32_t dy = to.y - from.y;
  std::ptrdiff_t yStep = gView.pitch;
  if (dy < 0) {
    dy = -dy;
    yStep = -yStep;
  }
  int32_t dx = to.x - from.x;
  std::ptrdiff_t xStep = 1;
  if (dx < 0) {
    dx = -dx;
    xStep = -1;
  }
  const bool alongX = dx >= dy;
  const int32_t longAxis = alongX ? dx : dy;
  const int32_t shortAxis = alongX ? dy : dx;
  const std::ptrdiff_t longStep = alongX ? xStep : yStep;
  const std::ptrdiff_t shortStep = alongX ? yStep : xStep;
  int32_t error = 0;
  for (int32_t i = 0; i <= longAxis; ++i) {
    plot(address);
    address += longStep;
    error += shortAxis;
    if (error >= longAxis) {
      error -= longAxis;
      address += shortStep;
    }
  }
}

}  // namespace

void DrawSolidLine(const DrawBlock& block) {
  const int32_t rightmost = gView.width - 1;
  if (!CanDraw(block, rightmost)) return;
  const uint8_t colour = static_cast<uint8_t>(block.word);
  auto plot = [colour](uint8_t* pixel) { *pixel = colour; };
  WalkLine(HeldPoint(block.vertices[0], rightmost), HeldPoint(block.vertices[1], rightmost), plot);
}

void DrawRemapLine(const DrawBlock& block) {
  if (block.vertexCount != 2) return;
  gLinePhase = (gLinePhase + 1) & 3;
  const int32_t rightmost = gView.width - kRemapLineWidth;
  const uint8_t* table = RemapTable(int64_t{block.word} + gLinePhase);
  if (!table || !CanDraw(block, rightmost)) return;
  // The pixel is read when it is drawn: a step to the right reads one the previous step
  // already replaced.
  auto plot = [table](uint8_t* pixel) { std::fill_n(pixel, kRemapLineWidth, table[*pixel]); };
  WalkLine(HeldPoint(block.vertices[0], rightmost), HeldPoint(block.vertices[1], rightmost), plot);
}

void ResetLinePhase() { gLinePhase = 0; }
