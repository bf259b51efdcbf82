#pragma once
#include <cstdint>

// Display-size modes of the 3D view: drawn straight into the screen at full size, or drawn
// at reduced size into a render buffer that is then stretched onto the screen.
constexpr int32_t kViewModeFullSize = 16;
constexpr int32_t kViewModeReduced = 32;

// Where the 3D view's current frame is and how it is laid out. The screenshot writer and
// the people's body rasteriser read it: in the full-size mode the full values describe
// the frame, otherwise the render values do.
struct ViewFrameBuffer {
  uint8_t* pixels = nullptr;
  int32_t displayMode = kViewModeFullSize;
  int32_t fullWidth = 0;
  int32_t fullHeight = 0;
  int32_t fullPitch = 0;
  int32_t renderWidth = 0;
  int32_t renderHeight = 0;
  int32_t renderPitch = 0;
};

// The engine keeps the pixel pointer and the render size current; the flight frame's
// display helpers set the mode and the full size through SetViewDisplaySize. Until they
// do, the full size follows the render size.
extern ViewFrameBuffer gViewFrameBuffer;

void SetViewDisplaySize(int32_t displayMode, int32_t fullWidth, int32_t fullHeight,
                        int32_t fullPitch);
// Back to the start: the full-size mode, with the full size following the render size.
void ResetViewDisplaySize();

// Called by the view whenever its working size changes.
void SetViewRenderSize(int32_t width, int32_t height, int32_t pitch);
