#include "pel3d/draw/WallClip.h"

#include "pel3d/math/View.h"
#include "pel3d/raster/WallShape.h"

namespace {

bool IsWallRoutine(RasterId routine) {
  return routine == RasterId::kWallColumnFirst || routine == RasterId::kWallColumnSecond;
}

}  // namespace

int32_t ClipToScreenUnlessWall(ScreenVertex*& first, int32_t count, RasterId routine, ScreenClipMode mode,
                               VertexOutput& out) {
  if (!IsWallRoutine(routine) || mode.line || !FindWallCorners(first, count)) {
    return ClipToScreen(first, count, mode, out);
  }
  return OutcodesOf(first, count, gView.clip).all != 0 ? 0 : count;
}
