#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Drovane/BackBuffer.h"
#include "Drovane/ErrorReport.h"

using platform::Rect;

namespace {

enum OutCode : int { kAbove = 1, kBelow = 2, kLeft = 4, kRight = 8 };

int OutCodeOf(int64_t x, int64_t y, int32_t width, int32_t height) {
  int code = 0;
  if (y < 0) code |= kAbove;
  if (y > height - 1) code |= kBelow;
  if (x < 0) code |= kLeft;
  if (x > width - 1) code |= kRight;
  return code;
}

// Moves the end (x, y) onto the edge of the first side it is beyond, in the order above,
// below, right, left; (ox, oy) is the other end.
void MoveToEdge(int code, int64_t& x, int64_t& y, int64_t ox, int64_t oy, int32_t width, int32_t height) {
  using Wide = __int128;  // the products of two 33-bit differences
  if (code & kAbove) {
    x = static_cast<int64_t>(x + Wide{ox - x} * (-y) / (oy - y));
    y = 0;
  } else if (code & kBelow) {
    x = static_cast<int64_t>(x + Wide{height - 1 - y} * (ox - x) / (oy - y));
    y = height - 1;
  } else if (code & kRight) {
    y = static_cast<int64_t>(y + Wide{width - 1 - x} * (oy - y) / (ox - x));
    x = width - 1;
  } else {
    y = static_cast<int64_t>(y + Wide{oy - y} * (-x) / (ox - x));
    x = 0;
  }
}

// Cohen-Sutherland: false when no part of the line lies in the buffer.
bool ClipLine(int64_t& x1, int64_t& y1, int64_t& x2, int64_t& y2, int32_t width, int32_t height) {
  int code1 = OutCodeOf(x1, y1, width, height);
  int code2 = OutCodeOf(x2, y2, width, height);
  // Each move puts one end on an edge, so a handful of rounds settles any line.
  for (int round = 0; round < 8; ++round) {
    if ((code1 | code2) == 0) return true;
    if (code1 & code2) return false;
    if (code1) {
      MoveToEdge(code1, x1, y1, x2, y2, width, height);
      code1 = OutCodeOf(x1, y1, width, height);
    } else {
      MoveToEdge(code2, x2, y2, x1, y1, width, height);
      code2 = OutCodeOf(x2, y2, width, height);
    }
  }
  return false;
}

}  // namespace

void CBackBuffer::FillBlock(int64_t left, int64_t top, int64_t width, int64_t height) {
  const int64_t right = std::min<int64_t>(left + width, mWidth);
  const int64_t bottom = std::min<int64_t>(top + height, mHeight);
  const int64_t x = std::max<int64_t>(left, 0);
  const int64_t y0 = std::max<int64_t>(top, 0);
  if (right <= x) return;
  for (int64_t y = y0; y < bottom; ++y) {
    std::memset(mpBits + y * mStride + x, mColorIndex & 0xFF, static_cast<size_t>(right - x));
  }
}

// Bresenham's line; each point is a thickness-by-thickness block that grows downward when
// the line goes down and from the point toward the line's right end across.
void CBackBuffer::DrawLineSpan(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness) {
  if (thickness < 1) return;
  if (y1 == y2) {
    FillBlock(std::min(x1, x2), y1, std::abs(int64_t{x2} - x1) + 1, thickness);
    return;
  }
  if (x1 == x2) {
    FillBlock(x1, std::min(y1, y2), thickness, std::abs(int64_t{y2} - y1) + 1);
    return;
  }
  const int32_t stepX = x2 >= x1 ? 1 : -1;
  const int32_t stepY = y2 >= y1 ? 1 : -1;
  const int32_t blockLeft = stepX > 0 ? 0 : 1 - thickness;
  const int32_t blockTop = stepY > 0 ? 0 : 1 - thickness;
  const int64_t dx = std::abs(int64_t{x2} - x1);
  const int64_t dy = std::abs(int64_t{y2} - y1);
  const bool yMajor = dx < dy;
  const int64_t major = yMajor ? dy : dx;
  const int64_t minor = yMajor ? dx : dy;
  int64_t error = 2 * minor - major;
  int64_t x = x1;
  int64_t y = y1;
  for (int64_t i = 0; i <= major; ++i) {
    FillBlock(x + blockLeft, y + blockTop, thickness, thickness);
    if (error < 0) {
      if (yMajor) {
        y += stepY;
      } else {
        x += stepX;
      }
      error += 2 * minor;
    } else {
      x += stepX;
      y += stepY;
      error += 2 * (minor - major);
    }
  }
}

uint32_t CBackBuffer::DrawPixelLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness) {
  if (Lock() == 0) return kNoError;
  DrawLineSpan(x1, y1, x2, y2, thickness);
  Unlock();
  return kNoError;
}

uint32_t CBackBuffer::DrawClippedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness) {
  int64_t ax = x1, ay = y1, bx = x2, by = y2;
  if (!ClipLine(ax, ay, bx, by, mWidth, mHeight)) return kNoError;
  return DrawPixelLine(static_cast<int32_t>(ax), static_cast<int32_t>(ay), static_cast<int32_t>(bx),
                       static_cast<int32_t>(by), thickness);
}

uint32_t CBackBuffer::DrawOutline(const Rect& rect, int32_t thickness, LineDrawer draw) {
  (this->*draw)(rect.left, rect.top, rect.right, rect.top, thickness);
  (this->*draw)(rect.left, rect.bottom, rect.right, rect.bottom, thickness);
  (this->*draw)(rect.right, rect.top, rect.right, rect.bottom, thickness);
  (this->*draw)(rect.left, rect.top, rect.left, rect.bottom, thickness);
  return kNoError;
}

uint32_t CBackBuffer::DrawClippedRect(const Rect& rect, int32_t thickness) {
  return DrawOutline(rect, thickness, &CBackBuffer::DrawClippedLine);
}

uint32_t CBackBuffer::DrawPixelRect(const Rect& rect, int32_t thickness) {
  return DrawOutline(rect, thickness, &CBackBuffer::DrawPixelLine);
}
