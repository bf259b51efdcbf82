#include "screens/SoundCheckBox.h"

#include "screens/ControlClickSound.h"

SoundCheckBox::SoundCheckBox(const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                             const char* bitmapFileName, CommandReceiver* notify, int32_t addToParent)
    : CheckBoxWindow(rect, id, parent, bitmapFileName, notify, addToParent) {
  gCheckBoxClick.AddInstance();
}

SoundCheckBox::~SoundCheckBox() { gCheckBoxClick.RemoveInstance(); }

// A change asked for from inside the box's own notification is refused, and silent.
void SoundCheckBox::SetState(int32_t state) {
  if (state != mState && !mBusy) gCheckBoxClick.Play();
  CheckBoxWindow::SetState(state);
}
