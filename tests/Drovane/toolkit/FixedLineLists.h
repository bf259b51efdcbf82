#pragma once
#include "Drovane/toolkit/PopupListWindow.h"
#include "Drovane/toolkit/TextListWindow.h"

// Lists whose lines are as high as the test says, whatever the font measures, as a menu
// drawn in tiles sets its own.
template <class List>
class FixedLineList : public List {
public:
  FixedLineList(const platform::Rect& rect, int32_t lineHeight, GraphicWindow* parent, CommandReceiver* notify)
      : List(rect, 7, parent, notify, 1), mFixedHeight(lineHeight) {
    MeasureLineHeight();
  }

  void MeasureLineHeight() override {
    this->mLineHeight = mFixedHeight;
    this->mVisibleLines = this->Height() / this->LineHeight();
  }

  int32_t mFixedHeight;
};

using FixedTextList = FixedLineList<TextListWindow>;
using FixedPopupList = FixedLineList<PopupListWindow>;
