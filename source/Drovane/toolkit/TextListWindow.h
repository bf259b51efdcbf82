#pragma once
#include <string>
#include <vector>

#include "Drovane/GdiFont.h"
#include "Drovane/toolkit/GraphicWindow.h"

class ScrollBarWindow;

// A list's first visible line changed; the value is the address of the top line.
constexpr int32_t kListTopLineChanged = 0x10002;

// The toolkit's list box: text lines in a font, one per item, scrolled by whole lines, with
// at most one selected item drawn on a bar. It may own a vertical scroll bar (child id 1).
// Up, Down, Page Up, Page Down and clicks move the selection or the page. Every change of
// the selection is reported with kControlChanged and the address of the selected index,
// every change of the first visible line with kListTopLineChanged and the address of the
// top line. A call made from inside the owner's notification is ignored, which also stops
// the loop between the list and its scroll bar.
class TextListWindow : public GraphicWindow {
public:
  TextListWindow();
  TextListWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                 int32_t addToParent);
  ~TextListWindow() override;

  // The scroll bar's moves scroll the list. 0.
  int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) override;
  // Turns the frame on. The base's result.
  int32_t Initialize() override;
  // Characters are not handled: 0.
  int32_t OnChar(uint32_t character) override;
  // Up, Down, Page Up and Page Down: 1; other keys, or a hidden list: 0.
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override;
  // Selects the line under the pointer and takes the keyboard. 1.
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  // Background, selection bar, lines and frame in the target. 0 when hidden, else 1.
  int32_t DrawContents() override;

  // Removes the item; the selection stays on the item that follows a removed selected
  // one, or on the new last item, or moves with its item. 0 for an index outside the list.
  virtual int32_t RemoveItemAt(int32_t index);
  // The first item equal to the text. 0 when there is none.
  virtual int32_t RemoveItem(const std::string& text);
  // Empties the list and clears the selection; the top line and the scroll bar stay.
  virtual void RemoveAllItems();
  // The string id's text in the current language (a text only the base language has
  // comes marked "(!)"), inserted at the index.
  virtual int32_t InsertLocalizedString(int32_t stringId, int32_t index);
  // Inserts before the item at index: -1 or an index past the end appends, another
  // negative index is 0. The first item of an empty list becomes selected; an insertion
  // at or before the selection moves it along. 1.
  virtual int32_t InsertItem(const std::string& text, int32_t index);
  // Cuts the height down to whole lines and places the scroll bar again. 1.
  virtual int32_t FitHeightToLines();
  // -1 clears the selection; the item is scrolled into view. 0 for an index outside the
  // list or from inside the notification, else 1.
  virtual int32_t SetSelection(int32_t index);
  virtual int32_t GetSelection() const;
  // Sorts the list the first time; later insertions are not placed in order.
  virtual void SetSorted();
  // Ascending byte order, equal texts kept in order; the selected text stays selected.
  virtual void Sort();
  virtual int32_t SelectPrevious();
  virtual int32_t SelectNext();
  // The first item starting with the character. 0 when there is none.
  virtual int32_t SelectByFirstChar(char character);
  virtual int32_t ScrollToTop();
  virtual int32_t ScrollToBottom();
  // A page less one line, so the last line of the old page stays in view. 1.
  virtual int32_t PageUp();
  virtual int32_t PageDown();
  virtual bool IsLineVisible(int32_t index) const;
  // Scrolls the least so the item is in view.
  virtual void EnsureVisible(int32_t index);
  // Clamped to 0..count - visible lines; notifies whenever the request differed from the
  // top line, even when the clamp gives it back.
  virtual void SetTopLine(int32_t line);
  virtual int32_t GetCount() const;
  virtual int32_t GetTopLine() const;
  // 0: no background and no selection bar; otherwise white and black.
  virtual void SetFilled(int32_t filled);
  // Palette indexes; -1 keeps one, -2 draws none.
  virtual void SetFillColors(int32_t backgroundIndex, int32_t selectionBarIndex);
  // Colours 0x00RRGGBB; a null pointer keeps one.
  virtual void SetColors(const uint32_t* textColor, const uint32_t* selectedTextColor);
  // A zero argument keeps that attribute; the line height is measured again.
  virtual void SetFontAttributes(int32_t height, int32_t width, uint32_t flags);
  // A vertical scroll bar (child id 1) along the right edge, when there is none; a null
  // image file is "scroll.bmp". Horizontal bars are not made. 1.
  virtual int32_t AddScrollBars(int32_t vertical, int32_t horizontal, const char* imageFileName);
  virtual void RemoveScrollBars(int32_t vertical, int32_t horizontal);
  // The line height from the font, and the lines that fit the height.
  virtual void MeasureLineHeight();
  // Access to an item's text. 0 for an index outside the list.
  virtual int32_t GetItemRef(int32_t index, std::string*& item);
  // Copies an item's text when the index is valid; answers 0 either way.
  virtual int32_t GetItemText(int32_t index, std::string& text) const;
  // The index of the first item equal to the text (exact). 0 when there is none.
  virtual int32_t FindItem(int32_t& index, const std::string& text) const;
  // The raw removal and insertion: -1 and indexes outside the list mean the last item or
  // the end. EraseAt answers 0 on an empty list, else 1; InsertAt 1.
  virtual int32_t EraseAt(int32_t index);
  virtual int32_t InsertAt(int32_t index, const std::string& text);
  virtual int32_t SetItemText(int32_t index, const std::string& text);
  // The scroll bar's range, steps and value from the list.
  virtual void UpdateScrollBar();
  // The scroll bar along the right edge, below the frame when there is one.
  virtual void PlaceScrollBar();

  // The line height as a divisor: at least 1 whatever a font or a derived list set.
  int32_t LineHeight() const { return mLineHeight > 0 ? mLineHeight : 1; }

  std::vector<std::string> mItems;
  uint32_t mTextColor = 0x000000;
  uint32_t mSelectedTextColor = 0xFFFFFF;
  int32_t mBackgroundIndex;
  int32_t mSelectionBarIndex;
  GdiFont mFont;
  uint32_t mTextOptions = 0;
  int32_t mSelectedIndex = -1;
  int32_t mVisibleLines = 0;
  int32_t mTopLine = 0;
  int32_t mLineHeight = 10;
  int32_t mSorted = 0;
  ScrollBarWindow* mpVerticalScrollBar = nullptr;
  int32_t mInSetSelection = 0;

private:
  bool IsItem(int32_t index) const { return index >= 0 && index < GetCount(); }
  // The rectangle of visible line i in the target, cut at the window's bottom.
  platform::Rect LineRect(int32_t line) const;
  void DrawLines();
};
