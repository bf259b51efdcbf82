#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "platform/StaticColours.h"
#include "platform/VideoFile.h"
#include "platform/WindowMessages.h"

// What a video draws into a window through: a frame's worth of pixel memory that frames are
// decoded into, copied from there into the window's primary surface (which shows it) at the
// video's own size. The display size a window's video is made with only centres it.
namespace platform {

class DisplaySurface;
class MemorySurface;

class VideoDrawBuffer {
public:
  ~VideoDrawBuffer();
  VideoDrawBuffer(const VideoDrawBuffer&) = delete;
  VideoDrawBuffer& operator=(const VideoDrawBuffer&) = delete;

  // A buffer of the video's size for the window; null when the size is not a video's.
  static std::unique_ptr<VideoDrawBuffer> Create(WindowHandle window, int32_t videoWidth, int32_t videoHeight);

  int32_t Width() const { return mWidth; }
  int32_t Height() const { return mHeight; }
  // The buffer's pixels, the frame at (0, 0).
  VideoTarget Target() const;
  // The colours the next copy shows; the primary surface's static colours stay.
  void SetPalette(const std::array<Rgb, 256>& colours);
  // Copies a rectangle of the buffer into the primary surface at (x, y) plus the
  // rectangle's corner, in client coordinates, cut to the picture. 0 once copied, or
  // nothing was left to copy; 1 when the surface refused it.
  uint16_t CopyToWindow(DisplaySurface* primary, int32_t x, int32_t y, const Rect& rect);
  // Fills a rectangle of the window's client area with the colour the primary surface shows
  // nearest to colour.
  static void FillWindowRect(WindowHandle window, DisplaySurface* primary, const Rect& rect, Rgb colour);
  // 1 while the window it draws into exists, else 0.
  uint16_t Status() const;

private:
  VideoDrawBuffer(WindowHandle window, MemorySurface* surface, const VideoTarget& target);
  void ApplyPalette(DisplaySurface* primary);
  static Rect PictureRect(DisplaySurface* primary);
  // A rectangle of the window's client area in screen coordinates, as the primary takes it.
  static Rect OnScreen(WindowHandle window, const Rect& rect);

  WindowHandle mWindow;
  MemorySurface* mpSurface;
  VideoTarget mTarget;
  int32_t mWidth;
  int32_t mHeight;
  std::array<Rgb, 256> mColours{};
  bool mPalettePending = false;
};

}  // namespace platform
