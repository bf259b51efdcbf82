#include "Drovane/toolkit/CheckBoxWindow.h"

#include "Drovane/toolkit/DispatchBracket.h"

CheckBoxWindow::CheckBoxWindow() { mImageFileName = "check.bmp"; }

CheckBoxWindow::CheckBoxWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                               const char* bitmapFileName, CommandReceiver* notify, int32_t addToParent)
    : ButtonWindow(rect, id, parent, bitmapFileName ? bitmapFileName : "check.bmp", notify, addToParent) {}

int32_t CheckBoxWindow::OnMouseDown(int32_t, int32_t, int32_t) {
  if (!mEnabled) return 0;
  SetState(mState == kButtonUp ? kButtonDown : kButtonUp);
  return 1;
}

int32_t CheckBoxWindow::OnMouseUp(int32_t, int32_t, int32_t) { return 1; }

int32_t CheckBoxWindow::OnMouseMove(int32_t, int32_t) { return 1; }

int32_t CheckBoxWindow::GetFrameCount() const { return 4; }

int32_t CheckBoxWindow::FrameIndex() const { return mEnabled ? mState + 1 : mState - 1; }

void CheckBoxWindow::SetState(int32_t state) {
  if (mBusy) return;
  DispatchBracket bracket;
  mBusy = 1;
  if (ChangeState(state)) Notify(kControlChanged, StateAddress());
  mBusy = 0;
}
