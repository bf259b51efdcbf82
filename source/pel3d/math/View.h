#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// Where the engine draws and how large the view is. Callers own the descriptor and pass it
// to SetRenderSurface, which writes the rounded values back.
struct RenderSurface {
  int32_t xOrigin = 0;  // kept, not used for drawing
  int32_t yOrigin = 0;  // kept, not used for drawing
  int32_t width = 0;
  int32_t height = 0;
  int32_t mode = 0;  // 0 full resolution, 1 half resolution
  int32_t pitch = 0;  // bytes from one frame-buffer row to the next
  int32_t bufferRows = 0;  // rows of the memory block, used only for its size
  bool operator==(const RenderSurface&) const = default;
};

constexpr int32_t kSurfaceModeHalf = 1;
// Limits of the rounded width and height that SetRenderSurface accepts.
constexpr int32_t kMinViewSize = 8;
constexpr int32_t kMaxViewSize = 4096;
// The row-offset table reaches this many rows below the view's last row.
constexpr int32_t kRowOffsetsBelowView = 16;

// The clip rectangle in 20.12 screen coordinates.
struct ClipRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Indices of the four frustum side planes.
enum FrustumPlane { kFrustumTop, kFrustumLeft, kFrustumRight, kFrustumBottom };

// Receives the frame-buffer pointer at the end of the body-queue draw.
using PostDrawCallback = void (*)(uint8_t* frameBuffer);

// The engine's view state, one instance, read by the frame draw and every rasteriser. The
// frame-buffer pointer lives in gViewFrameBuffer.
struct ViewState {
  RenderSurface surface;  // width and height as set; pitch and rows after any halving
  std::vector<int32_t> rowOffsets;  // entry i = i x pitch, the working height + 16 entries
  Fixedpoint pixelAspect = 0;  // vertical over horizontal projection scale
  int32_t width = 0;  // working size in pixels, after any halving
  int32_t height = 0;
  int32_t pitch = 0;  // working pitch
  int32_t centreX = 0;  // 20.12
  int32_t centreY = 0;  // 20.12
  int32_t scaleX = 0;  // 20.12 pixels per unit of x/z; the game may shift it left
  int32_t scaleY = 0;  // 20.12 pixels per unit of y/z
  ClipRect clip;
  std::array<Vec3, 4> frustum{};  // unit normals, view space; inside when the dot is >= 0
  Vec3 cameraPosition;
  Matrix cameraMatrix{};
  Fixedpoint farClip = 0;  // 0 means no far clipping
  uint32_t clearColour = 0;
  int32_t clearEnable = 0;
  PostDrawCallback postDraw = nullptr;
  int32_t drawMode = 0;
};

extern ViewState gView;

// Rounds the descriptor (origins down to a multiple of 4, width and height down to a
// multiple of 8), writes the rounded values back, halves the working size, pitch and rows in
// half mode (the caller's pitch and rows too) and updates the projection. Returns 1; or 0
// with nothing changed when the rounded width or height lies outside 8 to 4096 or the pitch
// is negative.
int32_t SetRenderSurface(RenderSurface& descriptor);
RenderSurface GetRenderSurface();

void SetPixelAspect(Fixedpoint aspect);
Fixedpoint GetPixelAspect();

// Refills the row-offset table: the working height + 16 entries of i x working pitch.
void FillRowOffsets();

uint8_t* GetFrameBuffer();
// Sets the frame-buffer pointer and refills the row-offset table.
void SetFrameBuffer(uint8_t* pixels);
// pitch x (buffer rows + 2) bytes.
int32_t GetFrameBufferSize();

void SetCamera(const Vec3& position, const Matrix& matrix);

void SetFarClip(Fixedpoint depth);
Fixedpoint GetFarClip();
void SetClearColour(uint32_t pattern);
uint32_t GetClearColour();
void SetClearEnable(int32_t flag);
void SetPostDrawCallback(PostDrawCallback callback);
PostDrawCallback GetPostDrawCallback();
// Draw mode 0 and the post-draw callback back to the one that does nothing.
void ResetDrawMode();
void SetDrawMode(int32_t mode);
int32_t GetDrawMode();
