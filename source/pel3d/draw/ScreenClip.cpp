#include "pel3d/draw/ScreenClip.h"

#include <algorithm>
#include <array>

#include "pel3d/draw/FixedLerp.h"

namespace {

using ClipBuffer = std::array<ScreenVertex, kClipBufferCapacity>;
std::array<ClipBuffer, 2> gClipBuffers;

// One edge of the clip rectangle: the coordinate it bounds, its value and whether inside
// means at least (left, top) or at most (right, bottom) the value.
struct ClipEdge {
  uint32_t bit;
  bool vertical;  // bounds x
  bool minimum;
  int32_t value;
};

int32_t Coordinate(const ScreenVertex& v, bool x) { return x ? v.x : v.y; }

bool Inside(const ScreenVertex& v, const ClipEdge& edge) {
  const int32_t c = Coordinate(v, edge.vertical);
  return edge.minimum ? c >= edge.value : c <= edge.value;
}

// The point of the segment from p (inside) or to p where it meets the edge.
ScreenVertex Crossing(const ScreenVertex& p, const ScreenVertex& c, const ClipEdge& edge, bool linear) {
  const int64_t pc = Coordinate(p, edge.vertical);
  const Fixedpoint t = wrap32::Low((pc - edge.value) * 65536 / (pc - Coordinate(c, edge.vertical)));
  ScreenVertex i;
  if (edge.vertical) {
    i.x = edge.value;
    i.y = FixLerp(p.y, c.y, t);
  } else {
    i.y = edge.value;
    i.x = FixLerp(p.x, c.x, t);
  }
  Fixedpoint tz = t;
  if (!linear && (t & 0xFFFE) != 0) {
    const Fixedpoint zc = FixLerp(c.z, p.z, t);
    if (zc != 0) tz = wrap32::Low(int64_t{p.z} * t / zc);
  }
  i.z = FixLerp(p.z, c.z, tz);
  i.u = FixLerp(p.u, c.u, tz);
  i.v = FixLerp(p.v, c.v, tz);
  return i;
}

// Clips count vertices against one edge into the buffer; the number written, or -1 when
// the buffer is too small.
int32_t ClipEdgePass(const ScreenVertex* in, int32_t count, const ClipEdge& edge, ScreenClipMode mode, ClipBuffer& buffer) {
  int32_t written = 0;
  auto emit = [&](const ScreenVertex& v) {
    if (written >= kClipBufferCapacity) return false;
    buffer[static_cast<std::size_t>(written++)] = v;
    return true;
  };
  const int32_t edges = mode.line ? 1 : count;
  int32_t previous = count - 1;
  for (int32_t current = 0; current < edges; previous = current++) {
    const ScreenVertex& p = in[previous];
    const ScreenVertex& c = in[current];
    const bool pInside = Inside(p, edge);
    const bool cInside = Inside(c, edge);
    if (pInside && !emit(p)) return -1;
    if (pInside != cInside && !emit(Crossing(p, c, edge, mode.linear))) return -1;
    if (mode.line && cInside && !emit(c)) return -1;
  }
  return written;
}

}  // namespace

uint32_t Outcode(const ScreenVertex& vertex, const ClipRect& clip) {
  uint32_t code = 0;
  if (vertex.x < clip.left) code |= kOutLeft;
  if (vertex.x >= clip.right) code |= kOutRight;
  if (vertex.y < clip.top) code |= kOutTop;
  if (vertex.y >= clip.bottom) code |= kOutBottom;
  return code;
}

PolygonOutcodes OutcodesOf(const ScreenVertex* vertices, int32_t count, const ClipRect& clip) {
  PolygonOutcodes codes;
  for (int32_t i = 0; i < count; ++i) {
    const uint32_t code = Outcode(vertices[i], clip);
    codes.all &= code;
    codes.any |= code;
  }
  return codes;
}

int32_t ClipToScreen(ScreenVertex*& first, int32_t count, ScreenClipMode mode, VertexOutput& out) {
  if (count <= 0) return 0;
  const ClipRect& clip = gView.clip;
  const auto [all, any] = OutcodesOf(first, count, clip);
  if (all != 0) return 0;
  if (any == 0) return count;

  const std::array<ClipEdge, 4> edges{{{kOutLeft, true, true, clip.left},
                                       {kOutRight, true, false, clip.right},
                                       {kOutTop, false, true, clip.top},
                                       {kOutBottom, false, false, clip.bottom}}};
  const ScreenVertex* polygon = first;
  int32_t size = count;
  std::size_t target = 0;
  for (const ClipEdge& edge : edges) {
    if (!(any & edge.bit)) continue;
    size = ClipEdgePass(polygon, size, edge, mode, gClipBuffers[target]);
    if (size <= 0) return 0;
    polygon = gClipBuffers[target].data();
    target ^= 1;
  }
  if (out.Room() < size) return 0;
  ScreenVertex* result = out.next;
  std::copy(polygon, polygon + size, result);
  out.next += size;
  first = result;
  return size;
}
