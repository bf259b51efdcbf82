#include "Drovane/toolkit/RadioButtonWindow.h"

#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/RadioGroupWindow.h"

RadioButtonWindow::RadioButtonWindow() { mImageFileName = "radio.bmp"; }

RadioButtonWindow::RadioButtonWindow(RadioGroupWindow* group, const platform::Rect& rect, int32_t id,
                                     GraphicWindow* parent, const char* bitmapFileName, CommandReceiver* notify,
                                     int32_t addToParent)
    : ButtonWindow(rect, id, parent, bitmapFileName ? bitmapFileName : "radio.bmp", notify, addToParent),
      mpGroup(group) {}

RadioButtonWindow::~RadioButtonWindow() { LeaveGroup(); }

int32_t RadioButtonWindow::Initialize() {
  if (HasLiveGroup()) mpGroup->AddButton(this);
  return ButtonWindow::Initialize();
}

int32_t RadioButtonWindow::OnMouseDown(int32_t, int32_t, int32_t) {
  if (!mEnabled) return 0;
  if (mState != kButtonUp) return 1;
  DispatchBracket bracket;
  if (HasLiveGroup()) mpGroup->SelectButton(this);
  SetState(kButtonDown);
  return 1;
}

int32_t RadioButtonWindow::OnMouseUp(int32_t, int32_t, int32_t) { return 1; }

int32_t RadioButtonWindow::OnMouseMove(int32_t, int32_t) { return 1; }

int32_t RadioButtonWindow::GetFrameCount() const { return 4; }

int32_t RadioButtonWindow::FrameIndex() const { return mEnabled ? mState + 1 : mState - 1; }

void RadioButtonWindow::SetState(int32_t state) {
  if (mBusy) return;
  DispatchBracket bracket;
  mBusy = 1;
  if (ChangeState(state) && state == kButtonDown) {
    if (HasLiveGroup()) mpGroup->DoCommand(this, mId, kControlChanged, StateAddress());
    Notify(kControlChanged, StateAddress());
  }
  mBusy = 0;
}

void RadioButtonWindow::SetGroup(RadioGroupWindow* group) {
  if (mpGroup && mpGroup != group) LeaveGroup();
  mpGroup = group;
  if (group) group->AddButton(this);
}

int32_t RadioButtonWindow::LeaveGroup() {
  if (!mpGroup) return 0;
  RadioGroupWindow* group = mpGroup;
  mpGroup = nullptr;
  if (IsValidWindow(group)) group->RemoveButton(this);
  return 1;
}

// A group deleted before this button joined it (the button was never initialised) could
// not tell the button it went.
bool RadioButtonWindow::HasLiveGroup() const { return mpGroup && IsValidWindow(mpGroup); }
