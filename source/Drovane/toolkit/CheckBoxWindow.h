#pragma once
#include "Drovane/toolkit/ButtonWindow.h"

// A check box: each press toggles it, and every change of state, by the mouse or by a
// program, notifies the owner with the address of the state. Four frames: off and on
// disabled, off, on.
class CheckBoxWindow : public ButtonWindow {
public:
  CheckBoxWindow();
  // A null bitmap name is "check.bmp".
  CheckBoxWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, const char* bitmapFileName,
                 CommandReceiver* notify, int32_t addToParent);

  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseMove(int32_t x, int32_t y) override;
  int32_t GetFrameCount() const override;
  // A change made from inside its own notification is ignored.
  void SetState(int32_t state) override;

protected:
  int32_t FrameIndex() const override;
};
