#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"

// Compile-time choices of a rasteriser's scan conversion.
struct ScanRules {
  // Left x is raised to 0 whenever stepping takes it below (slope rounding near the left
  // border would otherwise write the column before the row).
  bool clampLeft = true;
};

// Turns a clockwise screen polygon into horizontal spans: top and bottom vertex, a left
// chain walking the vertices backwards and a right chain walking them forwards, both
// stepped in 20.12 with a sub-row correction at each edge's first step. Pixels from column
// (left x >> 12) up to but not including (right x >> 12) are covered on every row from the
// top vertex's row up to but not including the bottom vertex's. An edge that covers no
// row, or that goes up (a non-convex polygon), is skipped.
//
// Span is called once per row as span(row, left column, count) with count > 0; row is the
// first byte of the frame-buffer row.
template <ScanRules kRules, class Span>
class ScanConverter {
public:
  ScanConverter(const ScreenVertex* vertices, int32_t count)
      : mFirst(vertices), mLast(count > 0 && vertices ? vertices + count - 1 : nullptr) {}

  void Run(Span& span) {
    if (!mLast) return;
    FindTopAndBottom();
    mLeft.next = mTop;
    mRight.next = mTop;
    if (!SetUpEdge(mLeft, -1) || !SetUpEdge(mRight, +1)) return;
    for (;;) {
      const int32_t left = mLeft.x >> 12;
      const int32_t count = (mRight.x >> 12) - left;
      if (count > 0) span(mRow, left, count);
      if (!StepLeft() || !StepRight()) return;
    }
  }

private:
  struct Edge {
    const ScreenVertex* next = nullptr;
    int32_t x = 0;
    int32_t slope = 0;
    int32_t correction = 0;
    int32_t rows = 0;
  };

  void FindTopAndBottom() {
    mTop = mBottom = mFirst;
    for (const ScreenVertex* v = mFirst + 1; v <= mLast; ++v) {
      if (v->y < mTop->y) mTop = v;
      if (v->y > mBottom->y) mBottom = v;
    }
  }

  const ScreenVertex* Neighbour(const ScreenVertex* v, int direction) const {
    if (direction < 0) return v == mFirst ? mLast : v - 1;
    return v == mLast ? mFirst : v + 1;
  }

  // Starts the chain's next edge that covers a row; false when the chain reached the
  // bottom vertex and the polygon is done.
  bool SetUpEdge(Edge& edge, int direction) {
    for (;;) {
      const ScreenVertex* a = edge.next;
      if (a == mBottom) return false;
      const ScreenVertex* b = Neighbour(a, direction);
      edge.next = b;
      const int32_t rows = (b->y >> 12) - (a->y >> 12);
      if (rows <= 0) continue;
      if (direction < 0 && !StartRow(a->y >> 12)) return false;
      const int64_t dy = b->y - a->y < 0x1000 ? 0x1000 : int64_t{b->y} - a->y;
      const int64_t slope = ((int64_t{b->x} - a->x) * 4096) / dy;
      edge.x = a->x;
      edge.slope = static_cast<int32_t>(slope);
      edge.correction = static_cast<int32_t>(-((int64_t{edge.slope} * (a->y & 0xFFF)) >> 12));
      edge.rows = rows;
      return true;
    }
  }

  // Points the row pointer at the row; false for a row outside the row-offset table, which
  // only a polygon that escaped clipping can name.
  bool StartRow(int32_t row) {
    if (row < 0 || static_cast<std::size_t>(row) >= gView.rowOffsets.size()) return false;
    mRow = gViewFrameBuffer.pixels + gView.rowOffsets[static_cast<std::size_t>(row)];
    return true;
  }

  static void Step(Edge& edge) {
    edge.x += edge.slope + edge.correction;
    edge.correction = 0;
  }

  bool StepLeft() {
    if (--mLeft.rows == 0) return SetUpEdge(mLeft, -1);
    Step(mLeft);
    if constexpr (kRules.clampLeft) {
      if (mLeft.x < 0) mLeft.x = 0;
    }
    mRow += gView.pitch;
    return true;
  }

  bool StepRight() {
    if (--mRight.rows == 0) return SetUpEdge(mRight, +1);
    Step(mRight);
    return true;
  }

  const ScreenVertex* mFirst;
  const ScreenVertex* mLast;
  const ScreenVertex* mTop = nullptr;
  const ScreenVertex* mBottom = nullptr;
  Edge mLeft;
  Edge mRight;
  uint8_t* mRow = nullptr;
};

// Runs the scan converter of the rules over the polygon with the span writer.
template <ScanRules kRules, class Span>
void ScanPolygon(const ScreenVertex* vertices, int32_t count, Span& span) {
  ScanConverter<kRules, Span>(vertices, count).Run(span);
}
