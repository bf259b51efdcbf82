#include "X/Body/BodyDiscs.h"

#include <algorithm>
#include <array>

#include "X/Body/BodyNumbers.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/RoundedSquareRoots.h"

namespace {

// One row of a disc: its screen row and half-width, rows listed from the bottom up.
struct DiscRow {
  int32_t y;
  int32_t halfWidth;
};

struct DiscRows {
  std::array<DiscRow, kLargestDiscDiameter + 1> rows;
  int32_t count = 0;
};

// Rows y + k - 1 below and y - k above the centre for k = 1 .. r; an odd diameter adds the
// centre row y of half-width r, drawn over the first row below.
DiscRows RowsOf(int32_t y, int32_t diameter) {
  const int32_t r = diameter / 2;
  DiscRows out;
  for (int32_t k = r; k >= 1; --k) out.rows[static_cast<size_t>(out.count++)] = {y + k - 1, RoundedSquareRoot(r * r - k * k)};
  if (diameter % 2 == 1) out.rows[static_cast<size_t>(out.count++)] = {y, r};
  for (int32_t k = 1; k <= r; ++k) out.rows[static_cast<size_t>(out.count++)] = {y - k, RoundedSquareRoot(r * r - k * k)};
  return out;
}

void DrawRow(int32_t x, const DiscRow& row, uint8_t colour) { DrawHorzLine(x - row.halfWidth, x + row.halfWidth, row.y, colour); }

// Shade i of d: colour + i / (d - 1) * 5.7.
uint8_t Shade(uint8_t colour, int32_t i, int32_t diameter) {
  return static_cast<uint8_t>(colour + TruncateToInt(static_cast<double>(i) / (diameter - 1) * kShadeSpan));
}

void DrawPlain(int32_t x, int32_t y, int32_t diameter, uint8_t colour) {
  const DiscRows rows = RowsOf(y, diameter);
  for (int32_t i = 0; i < rows.count; ++i) DrawRow(x, rows.rows[static_cast<size_t>(i)], colour);
}

// Row y + k - 1 in shade r - k, row y - k in shade d - 1 - r + k: light at the top, dark at the
// bottom; an odd diameter's centre row in shade r.
void DrawShaded(int32_t x, int32_t y, int32_t diameter, uint8_t colour) {
  const int32_t r = diameter / 2;
  for (int32_t k = 1; k <= r; ++k) {
    const int32_t half = RoundedSquareRoot(r * r - k * k);
    DrawHorzLine(x - half, x + half, y + k - 1, Shade(colour, r - k, diameter));
    DrawHorzLine(x - half, x + half, y - k, Shade(colour, diameter - 1 - r + k, diameter));
  }
  if (diameter % 2 == 1) DrawHorzLine(x - r, x + r, y, Shade(colour, r, diameter));
}

// The three dither rows that separate the bands.
std::array<uint8_t, 2 * kLargestDiscDiameter + 1> DitherRow(int32_t which, uint8_t colour) {
  static constexpr uint8_t kSteps[3][3] = {{0, 0, 1}, {0, 1, 0}, {1, 1, 0}};
  const int32_t period = which == 1 ? 2 : 3;
  std::array<uint8_t, 2 * kLargestDiscDiameter + 1> pattern{};
  for (size_t i = 0; i < pattern.size(); ++i)
    pattern[i] = static_cast<uint8_t>(colour + kSteps[which][i % static_cast<size_t>(period)]);
  return pattern;
}

// Bands of period p = d / 5.7 from the bottom up: plain rows in colour + band, and every p rows
// s + 1 dithered rows, after which the band rises by one.
void DrawStriped(int32_t x, int32_t y, int32_t diameter, uint8_t colour) {
  const int32_t period = std::max(1, TruncateToInt(diameter / kShadeSpan));
  const int32_t dithered = period < 4 ? period - 2 : 2;
  const DiscRows rows = RowsOf(y, diameter);
  const std::array<std::array<uint8_t, 2 * kLargestDiscDiameter + 1>, 3> patterns{DitherRow(0, colour), DitherRow(1, colour),
                                                                                   DitherRow(2, colour)};
  int32_t band = 0;
  for (int32_t i = 0; i < rows.count;) {
    if (period - i % period != dithered) {
      DrawRow(x, rows.rows[static_cast<size_t>(i++)], static_cast<uint8_t>(colour + band));
      continue;
    }
    for (int32_t j = 0; j <= dithered && i < rows.count; ++j, ++i) {
      const DiscRow& row = rows.rows[static_cast<size_t>(i)];
      DrawHorzLinePat(x - row.halfWidth, x + row.halfWidth, row.y, patterns[static_cast<size_t>(j)], band, 1.0f);
    }
    ++band;
  }
}

}  // namespace

void DrawBall(int32_t x, int32_t y, int32_t, int32_t, int32_t diameter, uint8_t colour, DiscStyle style) {
  if (diameter <= 0 || diameter > kLargestDiscDiameter) return;
  if (diameter < 3) style = DiscStyle::kPlain;
  if (style == DiscStyle::kStriped && TruncateToInt(diameter / kShadeSpan - 2) < 1) style = DiscStyle::kShaded;
  switch (style) {
    case DiscStyle::kShaded: DrawShaded(x, y, diameter, colour); break;
    case DiscStyle::kStriped: DrawStriped(x, y, diameter, colour); break;
    case DiscStyle::kPlain: DrawPlain(x, y, diameter, colour); break;
  }
}
