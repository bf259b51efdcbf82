#pragma once
#include "Drovane/toolkit/ButtonWindow.h"

class RadioGroupWindow;

// A radio button: a press turns it on and, through its group, every other member off.
// Turning on notifies the group, then the owner, with the address of the state; turning
// off sends nothing. Four frames like a check box.
class RadioButtonWindow : public ButtonWindow {
public:
  RadioButtonWindow();
  // A null bitmap name is "radio.bmp"; the button joins the group in Initialize.
  RadioButtonWindow(RadioGroupWindow* group, const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                    const char* bitmapFileName, CommandReceiver* notify, int32_t addToParent);
  // Leaves its group, so the group keeps no pointer to it.
  ~RadioButtonWindow() override;

  int32_t Initialize() override;
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseMove(int32_t x, int32_t y) override;
  int32_t GetFrameCount() const override;
  // A change made from inside its own notification is ignored.
  void SetState(int32_t state) override;

  // Joins the group (leaving the one before).
  virtual void SetGroup(RadioGroupWindow* group);
  // 1 when it had a group and left it, else 0. The button then has no group.
  virtual int32_t LeaveGroup();

  RadioGroupWindow* mpGroup = nullptr;

protected:
  int32_t FrameIndex() const override;

private:
  bool HasLiveGroup() const;
};
