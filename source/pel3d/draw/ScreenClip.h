#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/VertexOutput.h"
#include "pel3d/math/View.h"

// The clip buffers hold this many screen vertices; a polygon that grows past it while
// being clipped is dropped.
constexpr int32_t kClipBufferCapacity = 128;

// Outcode bits of a screen vertex against the clip rectangle.
constexpr uint32_t kOutLeft = 1;  // x < left
constexpr uint32_t kOutRight = 2;  // x >= right
constexpr uint32_t kOutTop = 4;  // y < top
constexpr uint32_t kOutBottom = 8;  // y >= bottom

uint32_t Outcode(const ScreenVertex& vertex, const ClipRect& clip);

// The outcode bits every vertex of a polygon has, and those any vertex has.
struct PolygonOutcodes {
  uint32_t all = ~0u;
  uint32_t any = 0;
};
PolygonOutcodes OutcodesOf(const ScreenVertex* vertices, int32_t count, const ClipRect& clip);

struct ScreenClipMode {
  bool line = false;  // only the segment from the last vertex to the first
  bool linear = false;  // z, u and v without perspective correction
};

// Clips the polygon to the clip rectangle. With every vertex outside one edge it is
// dropped (0); with every vertex inside it stays where it is; otherwise it is clipped
// against the edges it crosses, left, right, top, bottom, and the result is written to
// out and becomes the polygon (first moves there). Returns the polygon's new vertex count,
// 0 when dropped, also when the result does not fit the clip buffers or out.
int32_t ClipToScreen(ScreenVertex*& first, int32_t count, ScreenClipMode mode, VertexOutput& out);
