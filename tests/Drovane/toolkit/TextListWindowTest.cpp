#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/StringTableFixture.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/FixedLineLists.h"
#include "Drovane/toolkit/ScrollBarWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"
#include "Drovane/toolkit/ValueRecorder.h"
#include "platform/VirtualKeys.h"

using platform::Rect;

namespace {

using Entries = std::vector<ValueRecorder::Entry>;

// Lists of 10-pixel lines over a 300 x 300 image; a scroll-bar strip of 16 x 16 cells.
class TextListWindowTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    WriteNumberedStrip("scroll.bmp", 16, 16, 12, 130);
    MakeRoot(300, 300);
  }

  // A list of the given height holding items "item 0" ... with 10-pixel lines.
  FixedTextList* MakeList(int32_t items, int32_t height = 100, int32_t lineHeight = 10) {
    auto* list = new FixedTextList({10, 10, 150, 10 + height}, lineHeight, rootWindow, &owner);
    list->Initialize();
    for (int32_t i = 0; i < items; ++i) list->InsertItem("item " + std::to_string(i), -1);
    owner.Take();
    return list;
  }
  static std::vector<std::string> Items(const TextListWindow& list) { return list.mItems; }

  ValueRecorder owner;
};

TEST_F(TextListWindowTest, InsertionMovesTheSelectionAlongAndNotifies) {
  FixedTextList* list = MakeList(0);
  EXPECT_EQ(list->mUserValue, 1);
  list->InsertItem("b", -1);
  EXPECT_EQ(list->GetSelection(), 0);
  list->InsertItem("a", 0);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(list->GetSelection(), 1);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 0}, {kControlChanged, 1}}));
  // After the selection, other negatives at the front, past the end appended.
  list->InsertItem("c", 2);
  list->InsertItem("z", 40);
  list->InsertItem("_", -7);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"_", "a", "b", "c", "z"}));
  EXPECT_EQ(list->GetSelection(), 2);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 2}}));
}

TEST_F(TextListWindowTest, RemovalKeepsTheSelectionOnAnItem) {
  FixedTextList* list = MakeList(5);
  list->SetSelection(4);
  owner.Take();
  // The selected last item: the new last is selected, with a notification.
  EXPECT_EQ(list->RemoveItemAt(4), 1);
  EXPECT_EQ(list->GetSelection(), 3);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 3}}));
  // A selected middle item: the one after it is selected, without a notification.
  list->SetSelection(1);
  owner.Take();
  list->RemoveItemAt(1);
  EXPECT_EQ(list->GetSelection(), 1);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"item 0", "item 2", "item 3"}));
  EXPECT_TRUE(owner.Take().empty());
  // An item before the selection: the selection moves with its item.
  list->RemoveItem("item 0");
  EXPECT_EQ(list->GetSelection(), 0);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 0}}));
  EXPECT_EQ(list->RemoveItem("absent"), 0);
  // Indexes outside the list change nothing, negative ones too.
  for (int32_t index : {-1, -5, 2, 9}) EXPECT_EQ(list->RemoveItemAt(index), 0) << index;
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"item 2", "item 3"}));
  EXPECT_EQ(list->GetSelection(), 0);
  EXPECT_TRUE(owner.Take().empty());
  list->RemoveAllItems();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, -1}}));
}

TEST_F(TextListWindowTest, RawInsertionAndRemovalMapOutsideIndexesToTheEnd) {
  FixedTextList* list = MakeList(0);
  EXPECT_EQ(list->EraseAt(0), 0);
  list->InsertAt(-1, "b");
  list->InsertAt(0, "a");
  list->InsertAt(-9, "d");
  list->InsertAt(2, "c");
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"a", "b", "c", "d"}));
  list->EraseAt(-3);
  list->EraseAt(1);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"a", "c"}));
  std::string text = "unchanged";
  EXPECT_EQ(list->GetItemText(1, text), 0);
  EXPECT_EQ(text, "c");
  EXPECT_EQ(list->GetItemText(5, text), 0);
  EXPECT_EQ(text, "c");
  std::string* item = nullptr;
  EXPECT_EQ(list->GetItemRef(0, item), 1);
  *item = "A";
  EXPECT_EQ(list->GetItemRef(2, item), 0);
  EXPECT_EQ(list->SetItemText(1, "C"), 1);
  EXPECT_EQ(list->SetItemText(-1, "x"), 0);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"A", "C"}));
}

TEST_F(TextListWindowTest, ArrowKeysMoveTheSelection) {
  FixedTextList* list = MakeList(3);
  list->SetSelection(-1);
  owner.Take();
  EXPECT_EQ(list->OnKeyDown(platform::VK_DOWN, 0), 1);
  EXPECT_EQ(list->GetSelection(), 0);
  EXPECT_EQ(list->SelectPrevious(), 0);
  EXPECT_EQ(list->OnKeyDown(platform::VK_UP, 0), 1);
  EXPECT_EQ(list->GetSelection(), 0);
  list->SetSelection(2);
  EXPECT_EQ(list->SelectNext(), 0);
  EXPECT_EQ(list->OnKeyDown('A', 0), 0);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 0}, {kControlChanged, 2}}));
  list->mVisible = 0;
  EXPECT_EQ(list->OnKeyDown(platform::VK_UP, 0), 0);
  EXPECT_EQ(list->GetSelection(), 2);
  EXPECT_EQ(list->OnChar('a'), 0);
}

// 25 items, 10 lines: paging keeps the last line of the old page in view.
TEST_F(TextListWindowTest, PagingMovesByOneLineLessThanAPage) {
  FixedTextList* list = MakeList(25);
  EXPECT_EQ(list->mVisibleLines, 10);
  std::vector<int32_t> tops;
  for (int32_t i = 0; i < 3; ++i) {
    list->OnKeyDown(platform::VK_NEXT, 0);
    tops.push_back(list->GetTopLine());
  }
  for (int32_t i = 0; i < 2; ++i) {
    list->OnKeyDown(platform::VK_PRIOR, 0);
    tops.push_back(list->GetTopLine());
  }
  EXPECT_EQ(tops, (std::vector<int32_t>{9, 15, 15, 6, 0}));
  EXPECT_EQ(owner.Take(), (Entries{{kListTopLineChanged, 9},
                                   {kListTopLineChanged, 15},
                                   {kListTopLineChanged, 6},
                                   {kListTopLineChanged, 0}}));
  list->ScrollToBottom();
  EXPECT_EQ(list->GetTopLine(), 15);
  list->ScrollToTop();
  EXPECT_EQ(list->GetTopLine(), 0);
}

TEST_F(TextListWindowTest, TheTopLineIsClampedAndEveryRequestedChangeNotifies) {
  FixedTextList* few = MakeList(3);
  for (int32_t line : {5, 1, -2}) {
    few->SetTopLine(line);
    EXPECT_EQ(few->GetTopLine(), 0) << line;
  }
  EXPECT_EQ(owner.Take(), (Entries{{kListTopLineChanged, 0}, {kListTopLineChanged, 0}, {kListTopLineChanged, 0}}));
  few->SetTopLine(0);
  EXPECT_TRUE(owner.Take().empty());

  FixedTextList* many = MakeList(25);
  many->AddScrollBars(1, 0, nullptr);
  many->SetTopLine(2);
  owner.Take();
  many->SetTopLine(-4);
  EXPECT_EQ(many->GetTopLine(), 0);
  EXPECT_EQ(many->mpVerticalScrollBar->GetValue(), 0);
  EXPECT_EQ(owner.Take(), (Entries{{kListTopLineChanged, 0}}));
}

// Below the page the item becomes the last visible line, above it the first.
TEST_F(TextListWindowTest, SelectingScrollsTheItemIntoView) {
  FixedTextList* list = MakeList(25);
  list->SetSelection(14);
  EXPECT_EQ(list->GetTopLine(), 5);
  list->SetSelection(2);
  EXPECT_EQ(list->GetTopLine(), 2);
  list->SetSelection(8);
  EXPECT_EQ(list->GetTopLine(), 2);
  EXPECT_EQ(owner.Take(), (Entries{{kListTopLineChanged, 5},
                                   {kControlChanged, 14},
                                   {kListTopLineChanged, 2},
                                   {kControlChanged, 2},
                                   {kControlChanged, 8}}));
  EXPECT_EQ(list->SetSelection(25), 0);
  EXPECT_EQ(list->SetSelection(-2), 0);
  EXPECT_EQ(list->SetSelection(8), 1);
  EXPECT_TRUE(owner.Take().empty());
  EXPECT_EQ(list->SelectByFirstChar('i'), 1);
  EXPECT_EQ(list->GetSelection(), 0);
  EXPECT_EQ(list->SelectByFirstChar('q'), 0);
}

TEST_F(TextListWindowTest, ANestedSelectionFromTheOwnerIsIgnored) {
  FixedTextList* list = MakeList(4);
  owner.action = [list](GraphicWindow*) { EXPECT_EQ(list->SetSelection(3), 0); };
  list->SetSelection(2);
  EXPECT_EQ(list->GetSelection(), 2);
  EXPECT_EQ(list->mInSetSelection, 0);
}

TEST_F(TextListWindowTest, SortKeepsTheSelectedText) {
  FixedTextList* list = MakeList(0);
  for (const char* text : {"b", "a", "ab"}) list->InsertItem(text, -1);
  list->SetSelection(0);
  owner.Take();
  list->SetSorted();
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"a", "ab", "b"}));
  EXPECT_EQ(list->GetSelection(), 2);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 2}}));
  // Only the first call sorts.
  list->InsertItem("0", -1);
  list->SetSorted();
  EXPECT_EQ(list->mItems.back(), "0");
}

TEST_F(TextListWindowTest, FitHeightToLinesCutsTheListToWholeLines) {
  FixedTextList* list = MakeList(3, 95, 13);
  EXPECT_EQ(list->mVisibleLines, 7);
  list->AddScrollBars(1, 0, nullptr);
  EXPECT_EQ(list->FitHeightToLines(), 1);
  EXPECT_EQ(list->Height(), 91);
  EXPECT_EQ(list->mVisibleLines, 7);
  EXPECT_EQ(list->mpVerticalScrollBar->mRect, (Rect{140 - 16, 1, 140, 91}));
}

// Range 0..15, 15 line steps and 25 / 10 + 1 = 3 page steps: the arrows move one line,
// the track five.
TEST_F(TextListWindowTest, TheScrollBarFollowsAndScrollsTheList) {
  FixedTextList* list = MakeList(25);
  EXPECT_EQ(list->AddScrollBars(1, 1, nullptr), 1);
  ScrollBarWindow* bar = list->mpVerticalScrollBar;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(list->FindChild(1), bar);
  EXPECT_EQ(bar->mVertical, 1);
  EXPECT_EQ(bar->mRect, (Rect{140 - 16, 1, 140, 100}));
  EXPECT_EQ(bar->GetMinimum(), 0);
  EXPECT_EQ(bar->GetMaximum(), 15);
  EXPECT_EQ(bar->mLineSteps, 15);
  EXPECT_EQ(bar->mPageSteps, 3);
  list->AddScrollBars(1, 0, nullptr);
  EXPECT_EQ(list->mChildren.size(), 1u);

  // Second arrow, then the track below the thumb, through the window manager.
  manager.OnMouseDown(10 + 130, 10 + 1 + 90, 1);
  manager.OnMouseUp(10 + 130, 10 + 1 + 90, 1);
  EXPECT_EQ(list->GetTopLine(), 1);
  manager.OnMouseDown(10 + 130, 10 + 1 + 70, 1);
  manager.OnMouseUp(10 + 130, 10 + 1 + 70, 1);
  EXPECT_EQ(list->GetTopLine(), 6);
  EXPECT_EQ(bar->GetValue(), 6);
  EXPECT_EQ(owner.Take(), (Entries{{kListTopLineChanged, 1}, {kListTopLineChanged, 6}}));
  // The list moves the bar without a loop back.
  list->PageDown();
  EXPECT_EQ(bar->GetValue(), 15);
  list->RemoveScrollBars(1, 0);
  EXPECT_EQ(list->mpVerticalScrollBar, nullptr);
  EXPECT_TRUE(list->mChildren.empty());
}

// A list lower than one line has no visible line; its scroll bar still counts one.
TEST_F(TextListWindowTest, AListLowerThanALineKeepsAScrollBar) {
  FixedTextList* list = MakeList(4, 6);
  EXPECT_EQ(list->mVisibleLines, 0);
  list->AddScrollBars(1, 0, nullptr);
  EXPECT_EQ(list->mpVerticalScrollBar->GetMaximum(), 3);
  EXPECT_EQ(list->mpVerticalScrollBar->mPageSteps, 5);
}

// A click selects the line under the pointer, counted from the top line; a line height of
// 0 counts as 1.
TEST_F(TextListWindowTest, AClickSelectsTheLineUnderThePointer) {
  FixedTextList* list = MakeList(25);
  list->SetTopLine(4);
  owner.Take();
  manager.OnMouseDown(10 + 20, 10 + 35, 1);
  EXPECT_EQ(list->GetSelection(), 7);
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), list);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 7}}));
  list->mLineHeight = 0;
  list->OnMouseDown(20, 3, 1);
  EXPECT_EQ(list->GetSelection(), 7);
  list->OnMouseDown(20, 12, 1);
  EXPECT_EQ(list->GetSelection(), 16);
  EXPECT_EQ(list->GetTopLine(), 7);
  GraphicWindow::RemoveFromInputList(list);
}

TEST_F(TextListWindowTest, ColoursAndFills) {
  FixedTextList* list = MakeList(0);
  EXPECT_EQ(list->mBackgroundIndex, 255);
  EXPECT_EQ(list->mSelectionBarIndex, 0);
  const uint32_t red = 0xFF0000;
  list->SetColors(&red, nullptr);
  EXPECT_EQ(list->mTextColor, red);
  EXPECT_EQ(list->mSelectedTextColor, 0xFFFFFFu);
  list->SetFillColors(-1, 30);
  EXPECT_EQ(list->mBackgroundIndex, 255);
  EXPECT_EQ(list->mSelectionBarIndex, 30);
  list->SetFilled(0);
  EXPECT_EQ(list->mBackgroundIndex, -2);
  EXPECT_EQ(list->mSelectionBarIndex, -2);
  list->SetFilled(1);
  EXPECT_EQ(list->mBackgroundIndex, 255);
  EXPECT_EQ(list->mSelectionBarIndex, 0);
}

// The background over the whole list and the bar behind the selected line; nothing of
// either when the fills are off.
TEST_F(TextListWindowTest, DrawsTheBackgroundAndTheSelectionBar) {
  FixedTextList* list = MakeList(12, 95);
  list->SetFillColors(40, 41);
  list->SetSelection(2);
  manager.DrawWindows();
  EXPECT_EQ(PixelAt(*rootImage, 12, 12), 40);
  EXPECT_EQ(PixelAt(*rootImage, 147, 10 + 20), 41);
  EXPECT_EQ(PixelAt(*rootImage, 147, 10 + 29), 41);
  EXPECT_EQ(PixelAt(*rootImage, 147, 10 + 19), 40);
  EXPECT_EQ(PixelAt(*rootImage, 147, 10 + 30), 40);
  list->SetFilled(0);
  rootImage->FillRect(9, nullptr);
  list->SetDirty(1, 1);
  manager.DrawWindows();
  EXPECT_EQ(PixelAt(*rootImage, 12, 12), 9);
  EXPECT_EQ(PixelAt(*rootImage, 147, 10 + 25), 9);
}

TEST_F(TextListWindowTest, InsertsLocalizedStringsWithTheBaseFallback) {
  ScopedStringTable strings({{1, "English"}, {96, "Undispatch"}, {1096, ""}});
  FixedTextList* list = MakeList(0);
  list->InsertLocalizedString(96, -1);
  SetCurrentLanguage(2);
  list->InsertLocalizedString(96, -1);
  EXPECT_EQ(Items(*list), (std::vector<std::string>{"Undispatch", "Undispatch(!)"}));
}

}  // namespace
