#include "Drovane/toolkit/RadioGroupWindow.h"

#include <algorithm>

#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/RadioButtonWindow.h"

RadioGroupWindow::RadioGroupWindow(int32_t id, GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent)
    : GraphicWindow({0, 0, 1, 1}, id, parent, notify, addToParent) {
  mVisible = 0;
}

RadioGroupWindow::~RadioGroupWindow() {
  for (RadioButtonWindow* button : mButtons) {
    if (IsValidWindow(button) && button->mpGroup == this) button->mpGroup = nullptr;
  }
}

void RadioGroupWindow::AddButton(RadioButtonWindow* button) {
  if (!Contains(button)) mButtons.push_back(button);
}

void RadioGroupWindow::RemoveButton(RadioButtonWindow* button) {
  if (mRemoving) return;
  mRemoving = 1;
  auto entry = std::find(mButtons.begin(), mButtons.end(), button);
  if (entry != mButtons.end()) mButtons.erase(entry);
  mRemoving = 0;
}

// Every member is visited, even after a match. A member's own notifications may change
// the group, so the walk goes over the members as they were and skips any that left.
template <class Matches>
void RadioGroupWindow::Select(Matches matches) {
  if (mSelecting) return;
  DispatchBracket bracket;
  mSelecting = 1;
  RadioButtonWindow* turnedOn = nullptr;
  const std::vector<RadioButtonWindow*> members = mButtons;
  for (size_t index = 0; index < members.size(); ++index) {
    RadioButtonWindow* button = members[index];
    if (!Contains(button)) continue;
    const bool on = matches(button, static_cast<int32_t>(index));
    if (on && !turnedOn) turnedOn = button;
    button->SetState(on ? kButtonDown : kButtonUp);
  }
  Notify(kControlChanged, reinterpret_cast<intptr_t>(turnedOn));
  mSelecting = 0;
}

void RadioGroupWindow::SelectButton(RadioButtonWindow* button) {
  Select([button](const RadioButtonWindow* member, int32_t) { return member == button; });
}

void RadioGroupWindow::SelectById(int32_t id) {
  Select([id](const RadioButtonWindow* member, int32_t) { return member->mId == id; });
}

void RadioGroupWindow::SelectIndex(int32_t index) {
  Select([index](const RadioButtonWindow*, int32_t position) { return position == index; });
}

int32_t RadioGroupWindow::FindSelected(RadioButtonWindow** button) const {
  for (RadioButtonWindow* member : mButtons) {
    if (member->GetState() != kButtonDown) continue;
    if (button) *button = member;
    return 1;
  }
  return 0;
}

bool RadioGroupWindow::HasSelection() const { return FindSelected(nullptr) != 0; }

int32_t RadioGroupWindow::GetSelectedIndex() const {
  for (size_t index = 0; index < mButtons.size(); ++index) {
    if (mButtons[index]->GetState() == kButtonDown) return static_cast<int32_t>(index);
  }
  return -1;
}

bool RadioGroupWindow::Contains(const RadioButtonWindow* button) const {
  return std::find(mButtons.begin(), mButtons.end(), button) != mButtons.end();
}
