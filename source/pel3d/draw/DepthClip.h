#pragma once
#include <cstdint>

#include "pel3d/draw/VertexProjection.h"

// The near plane: a corner is in front of it when its z is above 3.0.
constexpr Fixedpoint kNearClipDepth = 3 * kFixedOne;

// Which corners of a face lie on the kept side of a clip depth.
struct DepthTest {
  bool anyInside = false;
  bool anyOutside = false;
};

// Near side: inside when z > depth. Far side: inside when z < depth.
enum class ClipSide { kNear, kFar };

DepthTest TestDepth(const FaceCorners& corners, ClipSide side, Fixedpoint depth);

// Clips the face at the depth, walking its edges from (last, first) on; a line face walks
// only that first edge. Kept corners are emitted through their cached projection, crossings
// are projected at the clip depth and never cached. The number written, or -1 when the
// output filled up.
int32_t ClipAtDepth(const FaceCorners& corners, ClipSide side, Fixedpoint depth, bool line,
                    VertexOutput& out);

// Which plane cut a face on its way to the screen.
enum class DepthCut { kNone, kNear, kFar };

struct DepthClipped {
  int32_t written = 0;  // screen vertices; 0 when nothing is left, -1 when out filled up
  DepthCut cut = DepthCut::kNone;
};

// The face's screen vertices: dropped when no corner lies in front of the near plane,
// near-clipped when some do not, else (with a far distance other than 0) dropped or
// far-clipped likewise, else projected whole. A face cut by the near plane is not
// far-clipped.
DepthClipped ClipAndProjectFace(const FaceCorners& corners, Fixedpoint far, bool line, VertexOutput& out);
