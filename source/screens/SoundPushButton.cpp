#include "screens/SoundPushButton.h"

#include "screens/ControlClickSound.h"

SoundPushButton::SoundPushButton(const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                                 const char* bitmapFileName, CommandReceiver* notify, int32_t addToParent)
    : ButtonWindow(rect, id, parent, bitmapFileName, notify, addToParent) {
  gPushButtonClick.AddInstance();
}

SoundPushButton::~SoundPushButton() { gPushButtonClick.RemoveInstance(); }

// Only the way down clicks; coming back up is silent.
void SoundPushButton::SetState(int32_t state) {
  if (state != mState && state == kButtonDown) gPushButtonClick.Play();
  ButtonWindow::SetState(state);
}
