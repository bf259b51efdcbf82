#include <gtest/gtest.h>

#include <memory>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/ScrollBarWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"
#include "Drovane/toolkit/ValueRecorder.h"
#include "platform/Clock.h"

using platform::Rect;

namespace {

// Strip cells filled with their own colour: cell n is 130 + n.
constexpr uint8_t kFirstCellColour = 130;

// A horizontal bar 100 x 16 at (20, 30) over a 200 x 200 image, range 0..10, on a clock
// that moves only when told. It lies in a panel, so that, as in a dialog, it is drawn only
// when it is dirty itself.
class ScrollBarWindowTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    platform::SetClockSource(&clock);
    clock.systemMs = 1000;
    WriteNumberedStrip("scroll.bmp", 16, 16, 12, kFirstCellColour);
    MakeRoot(200, 200);
    auto* panel = new GraphicWindow({0, 0, 200, 200}, 9, rootWindow, nullptr, 1);
    bar = new ScrollBarWindow({20, 30, 120, 31}, 1, 0, panel, &owner, 1, nullptr);
    bar->Initialize();
    bar->SetMaximum(10);
  }
  void TearDown() override {
    platform::SetClockSource(nullptr);
    ToolkitFixture::TearDown();
  }

  // The values the owner was told of, from the start or the last call.
  std::vector<int32_t> Told() {
    std::vector<int32_t> values;
    for (const ValueRecorder::Entry& entry : owner.Take()) values.push_back(entry.value);
    return values;
  }
  // A draw of the window tree after the clock moved on.
  void DrawAt(uint32_t ms) {
    clock.systemMs = ms;
    manager.DrawWindows();
  }
  uint8_t CellShownAt(int32_t x) { return static_cast<uint8_t>(PixelAt(*rootImage, 20 + x, 30 + 8) - kFirstCellColour); }

  platform::ManualClock clock;
  ScrollBarWindow* bar = nullptr;
  ValueRecorder owner;
};

TEST_F(ScrollBarWindowTest, ArrowsStepByTheRangeOverTheLineSteps) {
  EXPECT_EQ(bar->Height(), 16);
  bar->SetSteps(3, 2);
  for (int32_t i = 0; i < 5; ++i) bar->LineUp();
  EXPECT_EQ(Told(), (std::vector<int32_t>{3, 6, 9, 10}));
  for (int32_t i = 0; i < 5; ++i) bar->LineDown();
  EXPECT_EQ(Told(), (std::vector<int32_t>{7, 4, 1, 0}));
  bar->PageUp();
  bar->PageUp();
  bar->PageDown();
  EXPECT_EQ(Told(), (std::vector<int32_t>{5, 10, 5}));
  // More steps than the range: a step of 0 moves nothing.
  bar->SetSteps(20, 20);
  bar->LineUp();
  bar->PageDown();
  EXPECT_EQ(bar->GetValue(), 5);
  EXPECT_TRUE(Told().empty());
}

TEST_F(ScrollBarWindowTest, SetStepsRefusesCountsBelowOne) {
  bar->SetSteps(4, 6);
  bar->SetSteps(0, 5);
  bar->SetSteps(5, -1);
  EXPECT_EQ(bar->mLineSteps, 4);
  EXPECT_EQ(bar->mPageSteps, 6);
}

TEST_F(ScrollBarWindowTest, IndexesOfTheStepPositions) {
  bar->SetSteps(6, 3);
  bar->SetValue(6);
  EXPECT_EQ(bar->GetLineIndex(), 3);
  EXPECT_EQ(bar->LineIndexToValue(3), 6);
  EXPECT_EQ(bar->LineIndexToValue(5), 10);
  EXPECT_EQ(bar->GetPageIndex(), 1);
  EXPECT_EQ(bar->PageIndexToValue(2), 10);
  bar->SetSteps(1, 1);
  EXPECT_EQ(bar->GetLineIndex(), 0);
  EXPECT_EQ(bar->LineIndexToValue(7), 0);
  EXPECT_EQ(bar->PageIndexToValue(7), 0);
  // An empty range is index 0 whatever the steps.
  bar->SetSteps(4, 4);
  bar->SetMaximum(0);
  EXPECT_EQ(bar->GetLineIndex(), 0);
  EXPECT_EQ(bar->GetPageIndex(), 0);
}

// The thumb runs from 16 to 100 - 16 - 16 = 68. A point on the left or top edge is
// outside, as for every window.
TEST_F(ScrollBarWindowTest, HitTestNamesThePartUnderThePoint) {
  struct Case {
    int32_t value;
    int32_t x;
    int32_t y;
    int32_t part;
  };
  const Case cases[] = {
      {0, 0, 8, kScrollOutside},   {0, 5, 0, kScrollOutside},     {0, 50, 16, kScrollOutside},
      {0, 5, 8, kScrollFirstArrow}, {0, 15, 8, kScrollFirstArrow}, {0, 16, 8, kScrollThumb},
      {0, 31, 8, kScrollThumb},     {0, 32, 8, kScrollPageUp},     {0, 83, 8, kScrollPageUp},
      {0, 84, 8, kScrollSecondArrow}, {0, 99, 8, kScrollSecondArrow}, {10, 67, 8, kScrollPageDown},
      {10, 16, 8, kScrollPageDown}, {10, 68, 8, kScrollThumb},
  };
  for (const Case& c : cases) {
    bar->SetValue(c.value);
    int32_t part = -1;
    EXPECT_EQ(bar->HitTest(part, c.x, c.y), c.part == kScrollOutside ? 0 : 1) << c.x << "," << c.y;
    EXPECT_EQ(part, c.part) << c.value << ": " << c.x << "," << c.y;
  }
}

// A held arrow steps once on the press, then on every drawn frame once the hold is longer
// than 200 ms; off the arrow it pauses and shows the arrow released; back on it resumes.
TEST_F(ScrollBarWindowTest, AHeldArrowRepeatsAfterTheDelayWhileThePointerStaysOnIt) {
  bar->SetSteps(10, 2);
  manager.OnMouseDown(20 + 90, 38, 1);
  EXPECT_EQ(GraphicWindow::captureWindow, bar);
  EXPECT_EQ(Told(), (std::vector<int32_t>{1}));
  DrawAt(1100);
  EXPECT_EQ(CellShownAt(90), 5);
  DrawAt(1200);
  EXPECT_TRUE(Told().empty());
  DrawAt(1201);
  DrawAt(1202);
  EXPECT_EQ(Told(), (std::vector<int32_t>{2, 3}));

  manager.OnMouseMove(20 + 40, 38);
  DrawAt(1300);
  EXPECT_EQ(CellShownAt(90), 4);
  DrawAt(1400);
  EXPECT_TRUE(Told().empty());
  EXPECT_EQ(bar->mDirty, 0);

  manager.OnMouseMove(20 + 95, 38);
  DrawAt(1500);
  EXPECT_EQ(Told(), (std::vector<int32_t>{4}));
  EXPECT_EQ(CellShownAt(90), 5);

  manager.OnMouseUp(20 + 95, 38, 1);
  EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  DrawAt(1600);
  DrawAt(1700);
  EXPECT_TRUE(Told().empty());
  EXPECT_EQ(CellShownAt(90), 4);
  GraphicWindow::RemoveFromInputList(bar);
}

// A track press pages towards the pointer and keeps paging, even past it, while the
// pointer stays on that part of the track.
TEST_F(ScrollBarWindowTest, AHeldTrackPagesOnAndTheThumbDrags) {
  bar->SetSteps(10, 5);
  manager.OnMouseDown(20 + 80, 38, 1);
  DrawAt(1300);
  DrawAt(1301);
  EXPECT_EQ(Told(), (std::vector<int32_t>{2, 4, 6}));
  manager.OnMouseUp(20 + 80, 38, 1);

  // The thumb's leading edge follows the pointer: 16 + v * 52 / 10.
  bar->SetValue(0);
  owner.Take();
  manager.OnMouseDown(20 + 20, 38, 1);
  EXPECT_EQ(bar->mPressedPart, kScrollThumb);
  EXPECT_TRUE(Told().empty());
  manager.OnMouseMove(20 + 42, 38);
  manager.OnMouseUp(20 + 68, 38, 1);
  EXPECT_EQ(Told(), (std::vector<int32_t>{5, 10}));
  DrawAt(1400);
  EXPECT_TRUE(Told().empty());
  GraphicWindow::RemoveFromInputList(bar);
}

TEST_F(ScrollBarWindowTest, DrawsArrowsTrackAndThumbFromTheStrip) {
  bar->SetValue(5);
  manager.DrawWindows();
  // Arrows 0 and 4, track tiles 3, the thumb (cell 2) at 16 + 5 * 52 / 10 = 42.
  const std::pair<int32_t, uint8_t> shown[] = {{0, 0}, {15, 0}, {16, 3}, {41, 3}, {42, 2}, {57, 2},
                                               {58, 3}, {83, 3}, {84, 4}, {99, 4}};
  for (const auto& [x, cell] : shown) EXPECT_EQ(CellShownAt(x), cell) << x;

  auto* upright = new ScrollBarWindow({150, 10, 151, 90}, 2, 1, rootWindow, nullptr, 1, nullptr);
  upright->Initialize();
  manager.DrawWindows();
  auto cellAt = [&](int32_t y) { return PixelAt(*rootImage, 158, 10 + y) - kFirstCellColour; };
  EXPECT_EQ(upright->mRect, (Rect{150, 10, 166, 90}));
  EXPECT_EQ(cellAt(0), 6);
  EXPECT_EQ(cellAt(16), 8);
  EXPECT_EQ(cellAt(40), 9);
  EXPECT_EQ(cellAt(79), 10);
}

// A strip that did not load has empty cells: the bar draws nothing (its track of empty
// tiles would never end) and keeps its rectangle.
TEST_F(ScrollBarWindowTest, ABarWithoutItsStripDrawsNothing) {
  auto* broken = new ScrollBarWindow({10, 100, 110, 120}, 2, 0, rootWindow, nullptr, 1, "missing.bmp");
  broken->Initialize();
  EXPECT_EQ(broken->mRect, (Rect{10, 100, 110, 120}));
  EXPECT_EQ(broken->CellWidth(), 0);
  rootImage->FillRect(9, nullptr);
  EXPECT_EQ(broken->Draw(), 1);
  EXPECT_EQ(PixelAt(*rootImage, 50, 110), 9);
  int32_t part = 0;
  broken->HitTest(part, 50, 10);
  EXPECT_NE(part, kScrollOutside);
}

}  // namespace
