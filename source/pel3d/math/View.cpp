#include "pel3d/math/View.h"

#include "pel3d/math/Projection.h"
#include "pel3d/math/ViewFrameBuffer.h"
#include "pel3d/math/Wrap32.h"

ViewState gView;

namespace {

void DrawNothing(uint8_t*) {}

int32_t HalveLogically(int32_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) >> 1);
}

bool IsAcceptedSize(int32_t size) { return size >= kMinViewSize && size <= kMaxViewSize; }

}  // namespace

int32_t SetRenderSurface(RenderSurface& descriptor) {
  const int32_t width = descriptor.width & ~7;
  const int32_t height = descriptor.height & ~7;
  if (!IsAcceptedSize(width) || !IsAcceptedSize(height) || descriptor.pitch < 0) return 0;

  descriptor.xOrigin &= ~3;
  descriptor.yOrigin &= ~3;
  descriptor.width = width;
  descriptor.height = height;
  gView.width = width;
  gView.height = height;
  gView.pitch = descriptor.pitch;
  if (descriptor.mode == kSurfaceModeHalf) {
    gView.width = HalveLogically(width);
    gView.height = HalveLogically(height);
    descriptor.pitch = HalveLogically(descriptor.pitch);
    descriptor.bufferRows = HalveLogically(descriptor.bufferRows);
    gView.pitch = descriptor.pitch;
  }
  gView.surface = descriptor;
  SetViewRenderSize(gView.width, gView.height, gView.pitch);
  UpdateProjection();
  return 1;
}

RenderSurface GetRenderSurface() { return gView.surface; }

void SetPixelAspect(Fixedpoint aspect) {
  gView.pixelAspect = aspect;
  UpdateProjection();
}

Fixedpoint GetPixelAspect() { return gView.pixelAspect; }

void FillRowOffsets() {
  const int32_t count = gView.height + kRowOffsetsBelowView;
  gView.rowOffsets.resize(count);
  for (int32_t row = 0; row < count; ++row) gView.rowOffsets[row] = wrap32::Mul(row, gView.pitch);
}

uint8_t* GetFrameBuffer() { return gViewFrameBuffer.pixels; }

void SetFrameBuffer(uint8_t* pixels) {
  gViewFrameBuffer.pixels = pixels;
  FillRowOffsets();
}

int32_t GetFrameBufferSize() {
  return wrap32::Mul(gView.surface.pitch, wrap32::Add(gView.surface.bufferRows, 2));
}

void SetCamera(const Vec3& position, const Matrix& matrix) {
  gView.cameraPosition = position;
  gView.cameraMatrix = matrix;
}

void SetFarClip(Fixedpoint depth) { gView.farClip = depth; }
Fixedpoint GetFarClip() { return gView.farClip; }
void SetClearColour(uint32_t pattern) { gView.clearColour = pattern; }
uint32_t GetClearColour() { return gView.clearColour; }
void SetClearEnable(int32_t flag) { gView.clearEnable = flag; }
void SetPostDrawCallback(PostDrawCallback callback) { gView.postDraw = callback; }
PostDrawCallback GetPostDrawCallback() { return gView.postDraw; }

void ResetDrawMode() {
  gView.drawMode = 0;
  gView.postDraw = DrawNothing;
}

void SetDrawMode(int32_t mode) { gView.drawMode = mode; }
int32_t GetDrawMode() { return gView.drawMode; }
