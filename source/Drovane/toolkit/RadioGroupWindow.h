#pragma once
#include <vector>

#include "Drovane/toolkit/GraphicWindow.h"

class RadioButtonWindow;

// Ties radio buttons together so that at most one is on; selects one by button, id or
// position and tells its owner which. It sits hidden in the window tree, 1 by 1 pixel,
// with no image; the buttons are the dialog's children and the group only points at them.
class RadioGroupWindow : public GraphicWindow {
public:
  // Visible, with an empty rectangle.
  RadioGroupWindow() = default;
  RadioGroupWindow(int32_t id, GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent);
  // Its buttons forget it.
  ~RadioGroupWindow() override;

  // Appends the button unless it is a member already.
  void AddButton(RadioButtonWindow* button);
  // Unlinks the button's first entry; nothing when it is not a member.
  void RemoveButton(RadioButtonWindow* button);
  // Turns every member matching the key on and every other off, then notifies the owner
  // once with the button turned on. A select made from inside one is ignored.
  void SelectButton(RadioButtonWindow* button);
  void SelectById(int32_t id);
  void SelectIndex(int32_t index);
  // The first member that is on: 1 with it stored through button, else 0 (untouched).
  int32_t FindSelected(RadioButtonWindow** button) const;
  bool HasSelection() const;
  // The position of the first member that is on, or -1.
  int32_t GetSelectedIndex() const;
  bool Contains(const RadioButtonWindow* button) const;

  std::vector<RadioButtonWindow*> mButtons;
  int32_t mRemoving = 0;
  int32_t mSelecting = 0;

private:
  template <class Matches>
  void Select(Matches matches);
};
