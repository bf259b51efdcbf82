#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/FixedLineLists.h"
#include "Drovane/toolkit/ToolkitFixture.h"
#include "Drovane/toolkit/ValueRecorder.h"
#include "platform/VirtualKeys.h"

using platform::Rect;

namespace {

using Entries = std::vector<ValueRecorder::Entry>;

constexpr int32_t kLineHeight = 13;
const char* const kItems[] = {"Auto", "Police Car", "Criminal Vehicle"};

// A pop-up of three items with 13-pixel lines opened near the bottom right of a 200 x 200
// rootWindow, so that it has to move inside.
class PopupListWindowTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    MakeRoot(200, 200);
  }

  FixedPopupList* Open(CommandReceiver* notify) {
    auto* popup = new FixedPopupList({190, 170, 191, 171}, kLineHeight, rootWindow, notify);
    for (const char* item : kItems) popup->InsertItem(item, -1);
    popup->Initialize();
    owner.Take();
    return popup;
  }
  // A point of the pop-up in rootWindow coordinates.
  static std::pair<int32_t, int32_t> At(const GraphicWindow* popup, int32_t x, int32_t y) {
    return {popup->mRect.left + x, popup->mRect.top + y};
  }
  void Move(const GraphicWindow* popup, int32_t x, int32_t y) {
    const auto [rootX, rootY] = At(popup, x, y);
    manager.OnMouseMove(rootX, rootY);
  }
  void Press(const GraphicWindow* popup, int32_t x, int32_t y) {
    const auto [rootX, rootY] = At(popup, x, y);
    manager.OnMouseDown(rootX, rootY, 1);
  }
  void Release(const GraphicWindow* popup, int32_t x, int32_t y) {
    const auto [rootX, rootY] = At(popup, x, y);
    manager.OnMouseUp(rootX, rootY, 1);
  }

  ValueRecorder owner;
};

// As high as its items, 10 wider than the widest, moved inside the parent with a 5-pixel
// margin; it holds the keyboard, the modal slot and the mouse.
TEST_F(PopupListWindowTest, OpensSizedToItsItemsInsideItsParent) {
  FixedPopupList* popup = Open(&owner);
  int32_t widest = 0;
  int32_t height = 0;
  ASSERT_TRUE(popup->mFont.MeasureText(kItems[2], &widest, &height));
  EXPECT_EQ(popup->mRect, (Rect{195 - widest - 10, 200 - 5 - 3 * kLineHeight, 195, 195}));
  EXPECT_EQ(popup->mVisibleLines, 3);
  EXPECT_EQ(popup->mUserValue, 1);
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), popup);
  EXPECT_EQ(GraphicWindow::listModalWindows.front(), popup);
  EXPECT_EQ(GraphicWindow::captureWindow, popup);
  // Each removal takes a line and places it again.
  popup->RemoveItemAt(0);
  EXPECT_EQ(popup->mVisibleLines, 2);
  EXPECT_EQ(popup->Height(), 2 * kLineHeight);
  EXPECT_EQ(popup->EraseAt(7), 1);
  EXPECT_EQ(popup->EraseAt(7), 1);
  EXPECT_EQ(popup->EraseAt(7), 0);
  EXPECT_EQ(popup->mVisibleLines, 0);
  EXPECT_EQ(popup->Width(), 11);
  manager.OnKeyDown(platform::VK_ESCAPE, 0);
}

TEST_F(PopupListWindowTest, TheSelectionFollowsThePointerAndAReleaseChooses) {
  FixedPopupList* popup = Open(&owner);
  bool liveWhenTold = false;
  owner.action = [&](GraphicWindow* sender) { liveWhenTold = GraphicWindow::IsValidWindow(sender); };
  Move(popup, 20, 20);
  EXPECT_EQ(popup->GetSelection(), 1);
  Move(popup, 20, 26);
  EXPECT_EQ(popup->GetSelection(), 2);
  // Above the first line or below the last the selection stays.
  Move(popup, 20, -30);
  Move(popup, 20, 60);
  EXPECT_EQ(popup->GetSelection(), 2);
  Move(popup, 20, 20);
  Release(popup, 20, 20);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 1}, {kControlChanged, 2}, {kControlChanged, 1},
                                   {kPopupChosen, 1}}));
  EXPECT_TRUE(liveWhenTold);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(popup));
  EXPECT_TRUE(rootWindow->mChildren.empty());
}

TEST_F(PopupListWindowTest, AReleaseWithNothingSelectedChoosesMinusOne) {
  FixedPopupList* popup = Open(&owner);
  popup->SetSelection(-1);
  owner.Take();
  Release(popup, 5, 5);
  EXPECT_EQ(owner.Take(), (Entries{{kPopupChosen, -1}}));
}

TEST_F(PopupListWindowTest, APressOutsideCancels) {
  FixedPopupList* popup = Open(&owner);
  Press(popup, -3, 10);
  EXPECT_EQ(owner.Take(), (Entries{{kPopupCancelled, 0}}));
  EXPECT_FALSE(GraphicWindow::IsValidWindow(popup));
}

// Pressing inside selects; a release outside, or on the left or top border, closes with no
// report.
TEST_F(PopupListWindowTest, AReleaseOutsideClosesWithoutAReport) {
  for (const std::pair<int32_t, int32_t>& release : {std::pair{300, 20}, std::pair{0, 20}, std::pair{20, 0}}) {
    FixedPopupList* popup = Open(&owner);
    Press(popup, 20, 30);
    EXPECT_EQ(popup->GetSelection(), 2);
    Release(popup, release.first, release.second);
    EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 2}})) << release.first << "," << release.second;
    EXPECT_FALSE(GraphicWindow::IsValidWindow(popup));
  }
}

TEST_F(PopupListWindowTest, EnterChoosesAndEscapeCancels) {
  FixedPopupList* chosen = Open(&owner);
  manager.OnKeyDown(platform::VK_DOWN, 0);
  manager.OnKeyDown(platform::VK_RETURN, 0);
  EXPECT_EQ(owner.Take(), (Entries{{kControlChanged, 1}, {kPopupChosen, 1}}));
  EXPECT_FALSE(GraphicWindow::IsValidWindow(chosen));

  FixedPopupList* cancelled = Open(&owner);
  manager.OnKeyDown(platform::VK_ESCAPE, 0);
  EXPECT_EQ(owner.Take(), (Entries{{kPopupCancelled, 0}}));
  EXPECT_FALSE(GraphicWindow::IsValidWindow(cancelled));

  // Without an owner it still closes.
  FixedPopupList* alone = Open(nullptr);
  manager.OnKeyDown(platform::VK_RETURN, 0);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(alone));
  EXPECT_TRUE(owner.entries.empty());
}

// A pop-up with no parent keeps its place and takes only its size.
TEST_F(PopupListWindowTest, WithoutAParentTheRectangleStaysWhereItIs) {
  auto popup = std::make_unique<FixedPopupList>(Rect{300, 400, 301, 401}, kLineHeight, nullptr, nullptr);
  popup->InsertItem("Pull over", -1);
  popup->InsertItem("Fire alert", -1);
  EXPECT_EQ(popup->mRect.left, 300);
  EXPECT_EQ(popup->mRect.top, 400);
  EXPECT_EQ(popup->mRect.bottom, 400 + 2 * kLineHeight);
}

}  // namespace
