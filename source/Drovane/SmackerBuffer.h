#pragma once
#include <cstdint>

#include "Drovane/BackBuffer.h"
#include "Drovane/SmackerPlayer.h"

// A video that behaves like an image: each Compose or CopyTo is one playback step that
// decodes the due frame into the buffer's own surface and copies it into the destination as
// the back buffer would. Deferred, it has no surface and decodes straight into the
// destination's pixels. The video's colours are not applied: the screen keeps its palette.
// Answers of a step: 0 a frame was drawn or none was due; 1 the video has finished (its
// last frame is drawn again) or failed to decode; 2 there is no video, which callers treat
// as the end too.
class SmackerBuffer : public SmackerPlayer, public CBackBuffer {
public:
  SmackerBuffer();
  // Name, the unused library-buffer flag, the back buffer's size and the display size.
  SmackerBuffer(const char* fileName, int32_t useSmackBuffer, int32_t width, int32_t height, int32_t displayWidth,
                int32_t displayHeight);
  ~SmackerBuffer() override;

  virtual void SetParameters(const char* fileName, int32_t useSmackBuffer, int32_t width, int32_t height,
                             int32_t displayWidth, int32_t displayHeight);
  // No surface of its own: frames go straight into the destination. Called before Open.
  virtual void DeferSurfaceCreation();

  int32_t EnsureSurface() override;
  // The buffer's own system-memory surface of the video's size; 1 at once when deferred or
  // when it exists, 0 (reported) when it cannot be made.
  int32_t CreateSurface() override;
  // 0 when the video cannot be opened; else the size is the video's and the surface is
  // made unless deferred; 1.
  int32_t Open(const char* fileName, uint32_t openFlags, int32_t extraValue) override;

  uint32_t Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                   int32_t srcBottom) override;
  // The same step ending in a stretching copy of the source rectangle into the destination's.
  uint32_t CopyTo(CBackBuffer* dest, int32_t destLeft, int32_t destTop, int32_t destRight, int32_t destBottom,
                  int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom) override;

  int32_t mUseSmackBuffer = 0;
  int32_t mDeferSurface = 0;

private:
  void FillBackground(CBackBuffer* dest, const platform::Rect& area);
  // What a step answers when no frame is to be drawn, or -1 when the due frame was decoded
  // into dest at (x, y) (deferred) or into the buffer's own surface.
  int32_t DecodeDueFrame(CBackBuffer* dest, int32_t x, int32_t y);
  // Decodes into an image's locked pixels with the frame at (x, y); false on damaged data.
  // Nothing is decoded, and nothing fails, when the image cannot be locked.
  bool DecodeInto(CBackBuffer* image, int32_t x, int32_t y);
};
