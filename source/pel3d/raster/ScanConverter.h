#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "pel3d/math/Wrap32.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/TrueDepthEdge.h"
#include "pel3d/raster/CorrectedEdge.h"

// Compile-time choices of a rasteriser's scan conversion.
struct ScanRules {
  // Left x is raised to 0 whenever stepping takes it below (slope rounding near the left
  // border would otherwise write the column before the row).
  bool clampLeft = true;
  // Walk the texture coordinates u and v along the edges, with a sub-row correction.
  bool texture = false;
  // Walk the fog level along the edges, without a sub-row correction.
  bool fog = false;
  // Walk the vertex colour (the vertices' u) along the edges, without a sub-row correction.
  bool colour = false;
  // Walk u and v along the edges perspective-correct, from the vertices' depths.
  bool perspectiveEdges = false;
  // Leave out a row whose left x has become negative (for fills that do not clamp it).
  bool dropNegativeLeft = false;
  // Added to an edge's 16.16 height where the fog level's step divides by it.
  int32_t fogHeightBonus = 0;
  // Walk u, v and z along the edges perspective-correct, in place of the linear walk.
  bool perspective = false;
};

// Where a chain stands on the current row: x (20.12) and, as the rules ask, u and v (16.16),
// the fog level (16.16) and the colour (a 16.16 palette index).
struct ChainPoint {
  int32_t x = 0;
  int32_t u = 0;
  int32_t v = 0;
  int32_t level = 0;
  int32_t colour = 0;
  int32_t z = 0;  // 16.16 depth, with the perspective rule
};

// Turns a clockwise screen polygon into horizontal spans: top and bottom vertex, a left
// chain walking the vertices backwards and a right chain walking them forwards, both
// stepped in 20.12 with a sub-row correction at each edge's first step. Pixels from column
// (left x >> 12) up to but not including (right x >> 12) are covered on every row from the
// top vertex's row up to but not including the bottom vertex's. An edge that covers no
// row, or that goes up (a non-convex polygon), is skipped.
//
// Span is called once per row as span(row, left column, count) with count > 0; row is the
// first byte of the frame-buffer row. With rules that walk more than x it is called as
// span(row, left column, count, left chain, right chain).
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
      const int32_t left = mLeft.at.x >> 12;
      const int32_t count = (mRight.at.x >> 12) - left;
      const bool dropped = kRules.dropNegativeLeft && mLeft.at.x < 0;
      if (count > 0 && !dropped) CallSpan(span, left, count);
      if (!StepLeft() || !StepRight()) return;
    }
  }

private:
  struct Edge {
    const ScreenVertex* next = nullptr;
    ChainPoint at;
    int32_t slope = 0;
    int32_t correction = 0;
    int32_t rows = 0;
    int32_t uSlope = 0;
    int32_t uCorrection = 0;
    int32_t vSlope = 0;
    int32_t vCorrection = 0;
    int32_t levelStep = 0;
    int32_t colourStep = 0;
    CorrectedEdge perspective;
    TrueDepthEdge perspectiveDepth;
  };

  static constexpr bool kWalksMore =
      kRules.texture || kRules.fog || kRules.colour || kRules.perspectiveEdges || kRules.perspective;

  void CallSpan(Span& span, int32_t left, int32_t count) {
    if constexpr (kWalksMore) {
      span(mRow, left, count, mLeft.at, mRight.at);
    } else {
      span(mRow, left, count);
    }
  }

  // A texture coordinate's slope per row and the correction of its first step.
  static void SetUpCoordinate(int32_t from, int32_t to, int64_t dy, int32_t fraction, int32_t& slope,
                              int32_t& correction) {
    slope = static_cast<int32_t>(((int64_t{to} - from) * 4096) / dy);
    correction = static_cast<int32_t>(-((int64_t{slope} * fraction) >> 12));
  }

  static void SetUpWalks(Edge& edge, const ScreenVertex* a, const ScreenVertex* b, int64_t dy, int32_t rows) {
    if constexpr (kRules.texture) {
      edge.at.u = a->u;
      edge.at.v = a->v;
      SetUpCoordinate(a->u, b->u, dy, a->y & 0xFFF, edge.uSlope, edge.uCorrection);
      SetUpCoordinate(a->v, b->v, dy, a->y & 0xFFF, edge.vSlope, edge.vCorrection);
    }
    if constexpr (kRules.fog) {
      edge.at.level = VertexFogLevel(a->z);
      edge.levelStep = FogLevelStep(edge.at.level, VertexFogLevel(b->z), (dy << 4) + kRules.fogHeightBonus);
    }
    if constexpr (kRules.colour) {
      edge.at.colour = a->u;
      edge.colourStep = FogLevelStep(a->u, b->u, dy << 4);
    }
    if constexpr (kRules.perspectiveEdges) edge.perspective.SetUp(*a, *b, rows, edge.at);
    if constexpr (kRules.perspective) {
      edge.perspectiveDepth.SetUp(*a, *b, edge.rows);
      TakePerspectiveDepth(edge);
    }
  }

  static void TakePerspectiveDepth(Edge& edge) {
    edge.at.u = edge.perspectiveDepth.u;
    edge.at.v = edge.perspectiveDepth.v;
    edge.at.z = edge.perspectiveDepth.z;
  }

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
      edge.at.x = a->x;
      edge.slope = static_cast<int32_t>(slope);
      edge.correction = static_cast<int32_t>(-((int64_t{edge.slope} * (a->y & 0xFFF)) >> 12));
      edge.rows = rows;
      SetUpWalks(edge, a, b, dy, rows);
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
    edge.at.x += edge.slope + edge.correction;
    edge.correction = 0;
    if constexpr (kRules.texture) {
      edge.at.u += edge.uSlope + edge.uCorrection;
      edge.at.v += edge.vSlope + edge.vCorrection;
      edge.uCorrection = 0;
      edge.vCorrection = 0;
    }
    if constexpr (kRules.fog) edge.at.level += edge.levelStep;
    if constexpr (kRules.colour) edge.at.colour = wrap32::Add(edge.at.colour, edge.colourStep);
    if constexpr (kRules.perspectiveEdges) edge.perspective.Step(edge.at);
    if constexpr (kRules.perspective) {
      edge.perspectiveDepth.Step();
      TakePerspectiveDepth(edge);
    }
  }

  bool StepLeft() {
    if (--mLeft.rows == 0) return SetUpEdge(mLeft, -1);
    Step(mLeft);
    if constexpr (kRules.clampLeft) {
      if (mLeft.at.x < 0) mLeft.at.x = 0;
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
