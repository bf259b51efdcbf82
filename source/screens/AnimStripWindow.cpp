#include "screens/AnimStripWindow.h"

#include "Drovane/BackBuffer.h"
#include "Drovane/Stopwatch.h"

AnimStripWindow::AnimStripWindow(const char* stripFileName, const platform::Rect& rect, int32_t frameWidth,
                                 int32_t id, GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent,
                                 int32_t transparentIndex)
    : GraphicWindow(stripFileName, rect, id, parent, notify, addToParent, transparentIndex),
      mFrameWidth(frameWidth) {
  mRect.right = mRect.left + frameWidth;
  UpdateAbsoluteRect();
}

int32_t AnimStripWindow::CountFrames() const {
  if (!mpImage || mFrameWidth <= 0) return 0;
  return mpImage->mWidth / mFrameWidth;
}

void AnimStripWindow::Start() {
  if (mFrameCount == -1) mFrameCount = CountFrames();
  mRunning = 1;
}

bool AnimStripWindow::NeedsRedraw() const {
  return mDirty || GetSystemTimeMs() - mLastFrameMs > mFrameDelayMs;
}

int32_t AnimStripWindow::Draw() {
  if (!mpTarget || !mVisible) return 0;
  mDirty = 0;
  // A strip whose frames were never counted, or that has none, shows nothing.
  const int32_t frames = mFrameCount == -1 ? CountFrames() : mFrameCount;
  if (frames <= 0 || mFrame < 0 || mFrame >= frames) return 0;
  const int32_t left = mFrame * mFrameWidth;
  mpImage->Compose(mpTarget, mAbsRect.left, mAbsRect.top, left, 0, left + mFrameWidth, mpImage->mHeight);
  const uint32_t now = GetSystemTimeMs();
  if (!mRunning || now - mLastFrameMs <= mFrameDelayMs) return 0;
  Advance();
  mLastFrameMs = now;
  return 1;
}

void AnimStripWindow::Advance() {
  mFrame += mStep;
  const bool pastLast = mStep > 0 && mFrame >= mFrameCount;
  const bool pastFirst = mStep < 0 && mFrame < 0;
  if (!pastLast && !pastFirst) return;
  switch (mMode) {
    case kStripPingPong:
      mStep = -mStep;
      mFrame = pastLast ? mFrameCount - 1 : 0;
      break;
    case kStripPlayOnce:
      mFrame -= mStep;
      mRunning = 0;
      break;
    default: mFrame = mStep > 0 ? 0 : mFrameCount - 1; break;
  }
}
