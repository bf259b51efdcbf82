#include "pel3d/math/ViewFrameBuffer.h"

ViewFrameBuffer gViewFrameBuffer;

namespace {

bool gDisplaySizeSet = false;

}  // namespace

void SetViewDisplaySize(int32_t displayMode, int32_t fullWidth, int32_t fullHeight,
                        int32_t fullPitch) {
  gViewFrameBuffer.displayMode = displayMode;
  gViewFrameBuffer.fullWidth = fullWidth;
  gViewFrameBuffer.fullHeight = fullHeight;
  gViewFrameBuffer.fullPitch = fullPitch;
  gDisplaySizeSet = true;
}

void ResetViewDisplaySize() {
  gDisplaySizeSet = false;
  gViewFrameBuffer.displayMode = kViewModeFullSize;
  gViewFrameBuffer.fullWidth = gViewFrameBuffer.renderWidth;
  gViewFrameBuffer.fullHeight = gViewFrameBuffer.renderHeight;
  gViewFrameBuffer.fullPitch = gViewFrameBuffer.renderPitch;
}

void SetViewRenderSize(int32_t width, int32_t height, int32_t pitch) {
  gViewFrameBuffer.renderWidth = width;
  gViewFrameBuffer.renderHeight = height;
  gViewFrameBuffer.renderPitch = pitch;
  if (gDisplaySizeSet) return;
  gViewFrameBuffer.fullWidth = width;
  gViewFrameBuffer.fullHeight = height;
  gViewFrameBuffer.fullPitch = pitch;
}
