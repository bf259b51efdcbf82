#include "screens/SoundRadioButton.h"

#include "screens/ControlClickSound.h"

SoundRadioButton::SoundRadioButton(RadioGroupWindow* group, const platform::Rect& rect, int32_t id,
                                   GraphicWindow* parent, const char* bitmapFileName, CommandReceiver* notify,
                                   int32_t addToParent)
    : RadioButtonWindow(group, rect, id, parent, bitmapFileName, notify, addToParent) {
  gRadioButtonClick.AddInstance();
}

SoundRadioButton::~SoundRadioButton() { gRadioButtonClick.RemoveInstance(); }

// A button in state 0 has never been shown a state, and a change asked for from inside its
// own notification is refused: neither clicks.
void SoundRadioButton::SetState(int32_t state) {
  if (state != mState && mState != 0 && !mBusy) gRadioButtonClick.Play();
  RadioButtonWindow::SetState(state);
}
