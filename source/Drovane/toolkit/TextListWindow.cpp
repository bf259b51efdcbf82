#include "Drovane/toolkit/TextListWindow.h"

#include <algorithm>

#include "Drovane/BackBuffer.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/ScrollBarWindow.h"
#include "platform/VirtualKeys.h"

namespace {

// The longest text a string-table load takes.
constexpr size_t kMaxTextLength = 4095;
// The scroll bar's id among the list's children, and its width before its strip loads.
constexpr int32_t kScrollBarId = 1;
constexpr int32_t kScrollBarWidth = 16;
// The lines' text starts this far right of the window's left edge.
constexpr int32_t kTextInset = 5;
// A fill index that draws nothing; -1 in a colour setter keeps the old index.
constexpr int32_t kNoFill = -2;
constexpr int32_t kKeepFill = -1;

}  // namespace

TextListWindow::TextListWindow()
    : mBackgroundIndex(WindowColors[kFrameColorEntry]), mSelectionBarIndex(WindowColors[kTextColorEntry]) {
  mFont.Create();
  MeasureLineHeight();
}

TextListWindow::TextListWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                               CommandReceiver* notify, int32_t addToParent)
    : GraphicWindow(rect, id, parent, notify, addToParent),
      mBackgroundIndex(WindowColors[kFrameColorEntry]),
      mSelectionBarIndex(WindowColors[kTextColorEntry]) {
  mFont.Create();
  MeasureLineHeight();
}

TextListWindow::~TextListWindow() = default;

int32_t TextListWindow::DoCommand(GraphicWindow*, int32_t senderId, int32_t code, intptr_t value) {
  if (senderId == kScrollBarId && code == kControlChanged && value) SetTopLine(*reinterpret_cast<int32_t*>(value));
  return 0;
}

int32_t TextListWindow::Initialize() {
  SetUserValue(1);
  return GraphicWindow::Initialize();
}

int32_t TextListWindow::OnChar(uint32_t) { return 0; }

int32_t TextListWindow::OnKeyDown(uint32_t key, uint32_t) {
  if (!mVisible) return 0;
  DispatchBracket bracket;
  switch (key) {
    case platform::VK_DOWN: SelectNext(); return 1;
    case platform::VK_UP: SelectPrevious(); return 1;
    case platform::VK_PRIOR: PageUp(); return 1;
    case platform::VK_NEXT: PageDown(); return 1;
    default: return 0;
  }
}

// The owner may close the list from the selection's notification: the bracket keeps it
// alive until the handler is done with it.
int32_t TextListWindow::OnMouseDown(int32_t, int32_t y, int32_t) {
  DispatchBracket bracket;
  const int32_t line = mTopLine + y / LineHeight();
  if (line != mSelectedIndex && IsItem(line)) SetSelection(line);
  AddToInputList(this);
  return 1;
}

int32_t TextListWindow::RemoveItemAt(int32_t index) {
  if (!IsItem(index)) return 0;
  DispatchBracket bracket;
  const bool wasLast = index == GetCount() - 1;
  EraseAt(index);
  if (index < mSelectedIndex || (index == mSelectedIndex && wasLast)) SetSelection(mSelectedIndex - 1);
  SetDirty(1, 1);
  UpdateScrollBar();
  return 1;
}

int32_t TextListWindow::RemoveItem(const std::string& text) {
  int32_t index = 0;
  if (!FindItem(index, text)) return 0;
  return RemoveItemAt(index);
}

void TextListWindow::RemoveAllItems() {
  DispatchBracket bracket;
  mItems.clear();
  SetSelection(-1);
  MeasureLineHeight();
}

int32_t TextListWindow::InsertLocalizedString(int32_t stringId, int32_t index) {
  std::string text;
  LoadLanguageString(text, GetLanguageStringId(static_cast<uint32_t>(stringId), 0));
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  return InsertItem(text, index);
}

int32_t TextListWindow::InsertItem(const std::string& text, int32_t index) {
  DispatchBracket bracket;
  const bool wasEmpty = mItems.empty();
  if (index == -1 || index > GetCount()) index = GetCount();
  if (index < 0) index = 0;
  InsertAt(index, text);
  if (wasEmpty) {
    SetSelection(0);
  } else if (index <= mSelectedIndex) {
    SetSelection(mSelectedIndex + 1);
  }
  SetDirty(1, 1);
  UpdateScrollBar();
  return 1;
}

int32_t TextListWindow::FitHeightToLines() {
  const int32_t lines = Height() / LineHeight();
  if (lines * LineHeight() != Height()) {
    Resize(-1, lines * LineHeight());
    mVisibleLines = lines;
  }
  SetDirty(1, 1);
  PlaceScrollBar();
  return 1;
}

int32_t TextListWindow::SetSelection(int32_t index) {
  if (mInSetSelection) return 0;
  if (index != -1 && !IsItem(index)) return 0;
  if (index == mSelectedIndex) return 1;
  DispatchBracket bracket;
  mInSetSelection = 1;
  mSelectedIndex = index;
  if (index != -1 && !IsLineVisible(index)) EnsureVisible(index);
  SetDirty(1, 1);
  Notify(kControlChanged, reinterpret_cast<intptr_t>(&mSelectedIndex));
  mInSetSelection = 0;
  return 1;
}

int32_t TextListWindow::GetSelection() const { return mSelectedIndex; }

void TextListWindow::SetSorted() {
  if (mSorted) return;
  mSorted = 1;
  Sort();
}

void TextListWindow::Sort() {
  const bool hadSelection = IsItem(mSelectedIndex);
  const std::string selected = hadSelection ? mItems[static_cast<size_t>(mSelectedIndex)] : std::string();
  if (mItems.size() >= 2) std::stable_sort(mItems.begin(), mItems.end());
  SetDirty(1, 1);
  int32_t index = 0;
  if (hadSelection && FindItem(index, selected)) SetSelection(index);
}

int32_t TextListWindow::SelectPrevious() {
  if (mItems.empty() || mSelectedIndex < 1) return 0;
  SetSelection(mSelectedIndex - 1);
  return 1;
}

int32_t TextListWindow::SelectNext() {
  if (mItems.empty() || mSelectedIndex == GetCount() - 1) return 0;
  SetSelection(mSelectedIndex + 1);
  return 1;
}

int32_t TextListWindow::SelectByFirstChar(char character) {
  for (size_t index = 0; index < mItems.size(); ++index) {
    if (!mItems[index].empty() && mItems[index][0] == character) {
      SetSelection(static_cast<int32_t>(index));
      return 1;
    }
  }
  return 0;
}

int32_t TextListWindow::ScrollToTop() {
  if (!mItems.empty()) SetTopLine(0);
  return 0;
}

int32_t TextListWindow::ScrollToBottom() {
  if (!mItems.empty()) SetTopLine(GetCount() > mVisibleLines ? GetCount() - mVisibleLines : 0);
  return 1;
}

int32_t TextListWindow::PageUp() {
  if (!mItems.empty()) SetTopLine(std::max(mTopLine - (mVisibleLines - 1), 0));
  return 1;
}

int32_t TextListWindow::PageDown() {
  if (!mItems.empty() && mTopLine < GetCount() - mVisibleLines) SetTopLine(mTopLine + mVisibleLines - 1);
  return 1;
}

bool TextListWindow::IsLineVisible(int32_t index) const {
  return index >= mTopLine && index < mTopLine + mVisibleLines;
}

void TextListWindow::EnsureVisible(int32_t index) {
  DispatchBracket bracket;
  if (index < mTopLine) SetTopLine(index);
  if (index > mTopLine + mVisibleLines - 1) SetTopLine(index - (mVisibleLines - 1));
  SetDirty(1, 1);
  UpdateScrollBar();
}

void TextListWindow::SetTopLine(int32_t line) {
  if (line == mTopLine) return;
  DispatchBracket bracket;
  mTopLine = std::max(std::min(line, GetCount() - mVisibleLines), 0);
  SetDirty(1, 1);
  UpdateScrollBar();
  Notify(kListTopLineChanged, reinterpret_cast<intptr_t>(&mTopLine));
}

int32_t TextListWindow::GetCount() const { return static_cast<int32_t>(mItems.size()); }

int32_t TextListWindow::GetTopLine() const { return mTopLine; }

void TextListWindow::SetFilled(int32_t filled) {
  mBackgroundIndex = filled ? 255 : kNoFill;
  mSelectionBarIndex = filled ? 0 : kNoFill;
}

void TextListWindow::SetFillColors(int32_t backgroundIndex, int32_t selectionBarIndex) {
  if (backgroundIndex != kKeepFill) mBackgroundIndex = backgroundIndex;
  if (selectionBarIndex != kKeepFill) mSelectionBarIndex = selectionBarIndex;
}

void TextListWindow::SetColors(const uint32_t* textColor, const uint32_t* selectedTextColor) {
  if (textColor) mTextColor = *textColor;
  if (selectedTextColor) mSelectedTextColor = *selectedTextColor;
}

void TextListWindow::SetFontAttributes(int32_t height, int32_t width, uint32_t flags) {
  mFont.SetAttributes(height, width, flags);
  MeasureLineHeight();
  SetDirty(1, 1);
}

int32_t TextListWindow::AddScrollBars(int32_t vertical, int32_t, const char* imageFileName) {
  if (!vertical || FindChild(kScrollBarId)) return 1;
  mpVerticalScrollBar =
      new ScrollBarWindow({Width() - kScrollBarWidth, 0, Width(), Height()}, kScrollBarId, 1, this, this, 1,
                          imageFileName);
  mpVerticalScrollBar->Initialize();
  UpdateScrollBar();
  PlaceScrollBar();
  return 1;
}

void TextListWindow::RemoveScrollBars(int32_t vertical, int32_t) {
  if (!vertical || !mpVerticalScrollBar) return;
  DeleteChild(mpVerticalScrollBar);
  mpVerticalScrollBar = nullptr;
}

// A font that cannot be measured keeps the old line height.
void TextListWindow::MeasureLineHeight() {
  int32_t width = 0;
  int32_t height = 0;
  if (!mFont.MeasureText(nullptr, &width, &height)) return;
  mLineHeight = height;
  mVisibleLines = Height() / LineHeight();
}

int32_t TextListWindow::GetItemRef(int32_t index, std::string*& item) {
  if (!IsItem(index)) return 0;
  item = &mItems[static_cast<size_t>(index)];
  return 1;
}

int32_t TextListWindow::GetItemText(int32_t index, std::string& text) const {
  if (IsItem(index)) text = mItems[static_cast<size_t>(index)];
  return 0;
}

int32_t TextListWindow::FindItem(int32_t& index, const std::string& text) const {
  auto found = std::find(mItems.begin(), mItems.end(), text);
  if (found == mItems.end()) return 0;
  index = static_cast<int32_t>(found - mItems.begin());
  return 1;
}

int32_t TextListWindow::EraseAt(int32_t index) {
  if (mItems.empty()) return 0;
  if (!IsItem(index)) index = GetCount() - 1;
  mItems.erase(mItems.begin() + index);
  return 1;
}

int32_t TextListWindow::InsertAt(int32_t index, const std::string& text) {
  if (!IsItem(index)) index = GetCount();
  mItems.insert(mItems.begin() + index, text);
  return 1;
}

int32_t TextListWindow::SetItemText(int32_t index, const std::string& text) {
  if (!IsItem(index)) return 0;
  mItems[static_cast<size_t>(index)] = text;
  SetDirty(1, 1);
  return 1;
}

// A list lower than one line still counts one line, so the page count has a divisor.
void TextListWindow::UpdateScrollBar() {
  if (!mpVerticalScrollBar) return;
  const int32_t visibleLines = std::max(mVisibleLines, 1);
  const int32_t range = std::max(GetCount() - visibleLines, 0);
  mpVerticalScrollBar->SetMinimum(0);
  mpVerticalScrollBar->SetMaximum(range);
  mpVerticalScrollBar->SetSteps(range, GetCount() / visibleLines + 1);
  mpVerticalScrollBar->SetValue(mTopLine);
}

void TextListWindow::PlaceScrollBar() {
  if (!mpVerticalScrollBar) return;
  mpVerticalScrollBar->MoveTo(Width() - mpVerticalScrollBar->Width(), mUserValue ? 1 : 0);
  mpVerticalScrollBar->Resize(-1, Height() - 1);
}

int32_t TextListWindow::DrawContents() {
  if (!mVisible) return 0;
  if (!mpTarget) return 1;
  if (mBackgroundIndex != kNoFill) mpTarget->FillRect(static_cast<uint32_t>(mBackgroundIndex), &mAbsRect);
  if (IsItem(mSelectedIndex) && IsLineVisible(mSelectedIndex) && mSelectionBarIndex != kNoFill) {
    const platform::Rect bar = LineRect(mSelectedIndex - mTopLine);
    mpTarget->FillRect(static_cast<uint32_t>(mSelectionBarIndex), &bar);
  }
  DrawLines();
  if (mUserValue) DrawFrame(nullptr);
  return 1;
}

platform::Rect TextListWindow::LineRect(int32_t line) const {
  const int32_t top = mAbsRect.top + mLineHeight * line;
  return {mAbsRect.left, top, mAbsRect.right, std::min(top + mLineHeight, mAbsRect.bottom)};
}

void TextListWindow::DrawLines() {
  mpTarget->mTextColor = mTextColor;
  for (int32_t line = 0; line < mVisibleLines && mTopLine + line < GetCount(); ++line) {
    const int32_t index = mTopLine + line;
    const platform::Rect box = LineRect(line);
    int32_t left = box.left + kTextInset;
    int32_t top = box.top;
    int32_t right = box.right;
    int32_t bottom = box.bottom;
    if (index == mSelectedIndex) mpTarget->mTextColor = mSelectedTextColor;
    mpTarget->DrawBufferText(mItems[static_cast<size_t>(index)].c_str(), mTextOptions, &left, &top, &right, &bottom,
                             &mFont);
    mpTarget->mTextColor = mTextColor;
  }
}
