#include "pel3d/draw/DepthClip.h"

#include "pel3d/draw/FixedLerp.h"

namespace {

bool Inside(const TransformedVertex& v, ClipSide side, Fixedpoint depth) {
  return side == ClipSide::kNear ? v.z > depth : v.z < depth;
}

// The point where the edge from previous to current meets the clip depth, measured from
// current back toward previous.
bool EmitCrossing(const TransformedVertex& previous, const TexCoord& previousTex, const TransformedVertex& current,
                  const TexCoord& currentTex, Fixedpoint depth, VertexOutput& out) {
  ScreenVertex* screen = out.Take();
  if (!screen) return false;
  const Fixedpoint t = wrap32::Low((int64_t{current.z} - depth) * 65536 / (int64_t{current.z} - previous.z));
  *screen = ProjectViewPoint(FixLerp(current.x, previous.x, t), FixLerp(current.y, previous.y, t), depth);
  screen->u = FixLerp(currentTex.u, previousTex.u, t);
  screen->v = FixLerp(currentTex.v, previousTex.v, t);
  return true;
}

}  // namespace

DepthTest TestDepth(const FaceCorners& corners, ClipSide side, Fixedpoint depth) {
  DepthTest test;
  for (int32_t i = 0; i < corners.count; ++i) {
    (Inside(corners.Vertex(i), side, depth) ? test.anyInside : test.anyOutside) = true;
  }
  return test;
}

int32_t ClipAtDepth(const FaceCorners& corners, ClipSide side, Fixedpoint depth, bool line, VertexOutput& out) {
  const int32_t edges = line ? 1 : corners.count;
  int32_t written = 0;
  int32_t previous = corners.count - 1;
  for (int32_t current = 0; current < edges; previous = current++) {
    TransformedVertex& p = corners.Vertex(previous);
    TransformedVertex& c = corners.Vertex(current);
    const bool pInside = Inside(p, side, depth);
    const bool cInside = Inside(c, side, depth);
    if (pInside) {
      if (!EmitCorner(p, corners.Tex(previous), out)) return -1;
      ++written;
    }
    if (pInside != cInside) {
      if (!EmitCrossing(p, corners.Tex(previous), c, corners.Tex(current), depth, out)) return -1;
      ++written;
    }
    // A segment keeps its far end too, which no later edge would emit.
    if (line && cInside) {
      if (!EmitCorner(c, corners.Tex(current), out)) return -1;
      ++written;
    }
  }
  return written;
}

DepthClipped ClipAndProjectFace(const FaceCorners& corners, Fixedpoint far, bool line, VertexOutput& out) {
  const DepthTest nearTest = TestDepth(corners, ClipSide::kNear, kNearClipDepth);
  if (!nearTest.anyInside) return {};
  if (nearTest.anyOutside) {
    return {ClipAtDepth(corners, ClipSide::kNear, kNearClipDepth, line, out), DepthCut::kNear};
  }
  if (far != 0) {
    const DepthTest farTest = TestDepth(corners, ClipSide::kFar, far);
    if (!farTest.anyInside) return {};
    if (farTest.anyOutside) return {ClipAtDepth(corners, ClipSide::kFar, far, line, out), DepthCut::kFar};
  }
  return {ProjectCorners(corners, out), DepthCut::kNone};
}
