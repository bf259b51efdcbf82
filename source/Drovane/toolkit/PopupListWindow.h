#pragma once
#include "Drovane/toolkit/TextListWindow.h"

// A pop-up list's report: an item was chosen, or the pop-up was dismissed. The value is
// the address of the selected index, -1 when nothing is selected.
constexpr int32_t kPopupChosen = 0x10003;
constexpr int32_t kPopupCancelled = 0x10004;

// A text list that opens as a modal choice over its parent: sized to its longest line and
// its items, kept inside the parent, holding the keyboard, the modal slot and the mouse
// capture. The selection follows the pointer. The first release, press outside, Enter or
// Escape reports the choice or the cancellation and closes it; the window manager deletes
// it once the dispatch is over. It shows every item: each insertion or removal adds or
// takes a visible line, so it never scrolls.
//
// A derived list (a menu drawn in tiles) may set its own line height and visible lines in
// MeasureLineHeight, and place and draw itself its own way.
class PopupListWindow : public TextListWindow {
public:
  PopupListWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                  int32_t addToParent);

  // Opens the pop-up; called once the items are in. The list's result.
  int32_t Initialize() override;
  // Enter chooses and Escape cancels; the list's keys move the selection.
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override;
  // A press outside cancels; inside, the line under the pointer is selected. 1.
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  // Chooses when released inside, and closes in every case. 1.
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  // Selects the line under the pointer; a pointer beside the lines changes nothing. 1.
  int32_t OnMouseMove(int32_t x, int32_t y) override;
  int32_t EraseAt(int32_t index) override;
  int32_t InsertAt(int32_t index, const std::string& text) override;

  // As wide as the longest line plus the text's margins, as high as the items, moved
  // inside the parent with a margin; without a parent the rectangle stays where it is.
  virtual void PlaceInParent();

private:
  // Gives up the capture, reports the code when there is an owner, and closes.
  void Finish(int32_t code);
};
