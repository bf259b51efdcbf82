#pragma once
#include "Drovane/toolkit/CheckBoxWindow.h"

// A check box that clicks on every change of state.
class SoundCheckBox : public CheckBoxWindow {
public:
  SoundCheckBox(const platform::Rect& rect, int32_t id, GraphicWindow* parent, const char* bitmapFileName,
                CommandReceiver* notify, int32_t addToParent);
  ~SoundCheckBox() override;

  void SetState(int32_t state) override;
};
