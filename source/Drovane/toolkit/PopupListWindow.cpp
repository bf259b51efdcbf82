#include "Drovane/toolkit/PopupListWindow.h"

#include <algorithm>

#include "Drovane/toolkit/DispatchBracket.h"
#include "platform/VirtualKeys.h"

namespace {

// The text's inset on the left (as the list draws it) and as much on the right.
constexpr int32_t kTextMargins = 10;

}  // namespace

PopupListWindow::PopupListWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                                 CommandReceiver* notify, int32_t addToParent)
    : TextListWindow(rect, id, parent, notify, addToParent) {}

int32_t PopupListWindow::Initialize() {
  const int32_t result = TextListWindow::Initialize();
  PlaceInParent();
  AddToInputList(this);
  AddToModalList(this);
  CaptureMouse(this);
  return result;
}

void PopupListWindow::Finish(int32_t code) {
  DispatchBracket bracket;
  ReleaseMouse(this);
  if (mpNotify && code) Notify(code, reinterpret_cast<intptr_t>(&mSelectedIndex));
  Close();
}

int32_t PopupListWindow::OnKeyDown(uint32_t key, uint32_t flags) {
  if (key == platform::VK_RETURN) {
    Finish(kPopupChosen);
    return 1;
  }
  if (key == platform::VK_ESCAPE) {
    Finish(kPopupCancelled);
    return 1;
  }
  return TextListWindow::OnKeyDown(key, flags);
}

int32_t PopupListWindow::OnMouseDown(int32_t x, int32_t y, int32_t buttons) {
  if (x < 0 || y < 0 || x > Width() || y > Height()) {
    Finish(kPopupCancelled);
    return 1;
  }
  return TextListWindow::OnMouseDown(x, y, buttons);
}

// A release outside the window closes it without a report.
int32_t PopupListWindow::OnMouseUp(int32_t x, int32_t y, int32_t) {
  Finish(ContainsLocalPoint(x, y) ? kPopupChosen : 0);
  return 1;
}

// The pop-up shows every item from the first, so the line is the item. Above the first
// line or below the last nothing changes, rather than the selection being cleared.
int32_t PopupListWindow::OnMouseMove(int32_t, int32_t y) {
  if (y < 0) return 1;
  const int32_t index = y / LineHeight();
  if (index < GetCount()) SetSelection(index);
  return 1;
}

// A removal from an empty list removes no line.
int32_t PopupListWindow::EraseAt(int32_t index) {
  const int32_t result = TextListWindow::EraseAt(index);
  if (result) --mVisibleLines;
  PlaceInParent();
  return result;
}

int32_t PopupListWindow::InsertAt(int32_t index, const std::string& text) {
  ++mVisibleLines;
  const int32_t result = TextListWindow::InsertAt(index, text);
  PlaceInParent();
  return result;
}

void PopupListWindow::PlaceInParent() {
  int32_t widest = 1;
  for (const std::string& item : mItems) {
    int32_t width = 0;
    int32_t height = 0;
    if (mFont.MeasureText(item.c_str(), &width, &height)) widest = std::max(widest, width);
  }
  platform::Rect rect{mRect.left, mRect.top, mRect.left + widest + kTextMargins,
                      mRect.top + GetCount() * mLineHeight};
  if (mpParent) mpParent->KeepRectInside(rect);
  mRect = rect;
  UpdateAbsoluteRects();
  SetDirty(1, 1);
}
