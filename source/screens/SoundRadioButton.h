#pragma once
#include "Drovane/toolkit/RadioButtonWindow.h"

// A radio button that clicks on every change of state, the one turned off by its group
// included.
class SoundRadioButton : public RadioButtonWindow {
public:
  SoundRadioButton(RadioGroupWindow* group, const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                   const char* bitmapFileName, CommandReceiver* notify, int32_t addToParent);
  ~SoundRadioButton() override;

  void SetState(int32_t state) override;
};
