#pragma once
#include "Drovane/toolkit/GraphicWindow.h"

// Modes of an animated strip.
constexpr int32_t kStripPlayOnce = 0;
constexpr int32_t kStripLoop = 1;
constexpr int32_t kStripPingPong = 2;

// An animation stored as one bitmap whose frames stand side by side, each frameWidth wide.
// It shows one frame and moves on by one frame per frame delay of wall-clock time: once
// and stopped, looping, or back and forth with each end frame shown twice.
class AnimStripWindow : public GraphicWindow {
public:
  // The window is one frame wide. transparentIndex -1 means no colour key.
  AnimStripWindow(const char* stripFileName, const platform::Rect& rect, int32_t frameWidth, int32_t id,
                  GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent, int32_t transparentIndex);

  // Composes the current frame into the target, then advances one frame when the delay has
  // run out (however late the draw). 1 when it advanced, else 0.
  int32_t Draw() override;
  // Dirty, or the frame delay has run out.
  bool NeedsRedraw() const override;

  // Counts the frames and sets the animation running: the next draw moves on.
  void Start();
  void SetFrameDelay(uint32_t milliseconds) { mFrameDelayMs = milliseconds; }
  void SetMode(int32_t mode) { mMode = mode; }

  int32_t mRunning = 0;
  uint32_t mFrameDelayMs = 83;
  uint32_t mLastFrameMs = 0;
  int32_t mMode = kStripLoop;
  int32_t mStep = 1;
  int32_t mFrame = 0;
  int32_t mFrameWidth = 0;
  // -1 until Start counts them.
  int32_t mFrameCount = -1;

private:
  void Advance();
  // Frames of the loaded image: 0 when it is narrower than one frame or missing.
  int32_t CountFrames() const;
};
