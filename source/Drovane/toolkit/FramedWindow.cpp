#include "Drovane/toolkit/FramedWindow.h"

#include "Drovane/BackBuffer.h"

FramedWindow::FramedWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                           int32_t addToParent)
    : GraphicWindow(rect, id, parent, notify, addToParent) {}

// The fill covers the window's own area, not the whole target.
int32_t FramedWindow::DrawContents() {
  if (!mpTarget) return 1;
  if (mFillOn) mpTarget->FillRect(static_cast<uint32_t>(mFillColor), &mAbsRect);
  if (mFrameOn) DrawFrame(&mFrameColor);
  return 1;
}

void FramedWindow::SetColors(const uint32_t* frameColor, int32_t fillColor) {
  if (frameColor) mFrameColor = *frameColor;
  mFillColor = fillColor;
}

void FramedWindow::SetStyle(int32_t frameOn, int32_t fillOn) {
  mFrameOn = frameOn;
  mFillOn = fillOn;
}
