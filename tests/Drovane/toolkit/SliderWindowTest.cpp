#include <gtest/gtest.h>

#include <memory>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/ScrollBarWindow.h"
#include "Drovane/toolkit/SliderWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"
#include "Drovane/toolkit/ValueRecorder.h"

using platform::Rect;

namespace {

constexpr uint8_t kThumbColour = 60;
constexpr uint8_t kTrackColour = 61;

// A rootWindow over a 200 x 200 image; thumbs 10 x 20 ("thumb.bmp") and 20 x 10 ("vthumb.bmp"),
// a track 100 x 30 ("track.bmp").
class SliderWindowTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    WritePlainBitmap("thumb.bmp", 10, 20, kThumbColour);
    WritePlainBitmap("vthumb.bmp", 20, 10, kThumbColour);
    WritePlainBitmap("track.bmp", 100, 30, kTrackColour);
    WriteNumberedStrip("scroll.bmp", 16, 16, 12, 130);
    MakeRoot(200, 200);
  }

  // A slider 100 wide, thumb 10 wide, end margin 8, range 0..8.
  SliderWindow* MakeSlider(const char* track = "track.bmp", int32_t margin = 8) {
    auto* slider = new SliderWindow({10, 10, 110, 40}, 5, 0, rootWindow, &owner, 1, "thumb.bmp", track, margin);
    slider->Initialize();
    return slider;
  }

  ValueRecorder owner;
};

TEST_F(SliderWindowTest, DefaultImagesFollowTheOrientation) {
  SliderWindow across({0, 0, 1, 1}, 1, 0, nullptr, nullptr, 0, nullptr, nullptr, 8);
  SliderWindow upright({0, 0, 1, 1}, 1, 1, nullptr, nullptr, 0, nullptr, nullptr, 8);
  EXPECT_EQ(across.mImageFileName, "sliderth.bmp");
  EXPECT_EQ(across.mTrackFileName, "sliderbh.bmp");
  EXPECT_EQ(upright.mImageFileName, "slidertv.bmp");
  EXPECT_EQ(upright.mTrackFileName, "sliderbv.bmp");
  SliderWindow plain;
  EXPECT_TRUE(plain.mImageFileName.empty());
  EXPECT_TRUE(plain.mTrackFileName.empty());
  EXPECT_EQ(plain.mEndMargin, 8);
  EXPECT_EQ(plain.mMaximum, 8);
  ScrollBarWindow bar;
  EXPECT_EQ(bar.mImageFileName, "scroll.bmp");
  EXPECT_EQ(bar.mEndMargin, 0);
  ScrollBarWindow named({0, 0, 1, 1}, 1, 1, nullptr, nullptr, 0, nullptr);
  EXPECT_EQ(named.mImageFileName, "scroll.bmp");
  EXPECT_TRUE(named.mTrackFileName.empty());
}

TEST_F(SliderWindowTest, TakesTheTrackSizeAndKeepsItsRectWithoutOne) {
  SliderWindow* slider = MakeSlider();
  EXPECT_EQ(slider->mRect, (Rect{10, 10, 110, 40}));
  EXPECT_EQ(slider->mTransparentIndex, kControlTransparentIndex);
  EXPECT_TRUE(slider->mpImage->mTransparent);
  // A track file that does not load leaves no track image and the rectangle as made.
  auto* missing = new SliderWindow({0, 50, 60, 70}, 6, 0, rootWindow, nullptr, 1, "thumb.bmp", "none.bmp", 8);
  missing->Initialize();
  EXPECT_EQ(missing->mpTrackImage, nullptr);
  EXPECT_EQ(missing->mRect, (Rect{0, 50, 60, 70}));
}

// Value to thumb and pointer to value on a slider 100 wide with a 10-pixel thumb and margins of 8: the thumb's left edge runs
// from 8 to 82, so value v sits at 8 + v * 74 / 8.
TEST_F(SliderWindowTest, ConvertsBetweenValueAndPixelBothWays) {
  SliderWindow* slider = MakeSlider();
  EXPECT_EQ(slider->mPositionAtMinimum, 8);
  EXPECT_EQ(slider->mPositionAtMaximum, 82);
  struct Case {
    int32_t value;
    int32_t thumbLeft;
  };
  for (const Case& c : {Case{0, 8}, Case{1, 17}, Case{4, 45}, Case{7, 72}, Case{8, 82}}) {
    slider->SetValue(c.value);
    EXPECT_EQ(slider->mThumbRect, (Rect{c.thumbLeft, 5, c.thumbLeft + 10, 25})) << c.value;
  }
  // Both ways truncate, so only some places give their value back. The pointer is held
  // to the end margins; the value is not clamped.
  struct PointCase {
    int32_t x;
    int32_t value;
  };
  const PointCase points[] = {{8, 0},  {17, 0},  {18, 1},  {45, 4}, {72, 6},
                              {73, 7}, {82, 8},  {-30, 0}, {3, 0},  {95, 9}, {500, 9}};
  for (const PointCase& c : points) {
    int32_t value = -1;
    EXPECT_EQ(slider->ValueFromPoint(value, c.x, 0), 1);
    EXPECT_EQ(value, c.value) << c.x;
  }
}

TEST_F(SliderWindowTest, TheMinimumIsAtTheBottomOfASliderAndTheTopOfAScrollBar) {
  auto* slider = new SliderWindow({0, 0, 30, 100}, 1, 1, rootWindow, nullptr, 1, "vthumb.bmp", "", 8);
  slider->Initialize();
  EXPECT_EQ(slider->mThumbRect, (Rect{5, 82, 25, 92}));
  slider->SetValue(8);
  EXPECT_EQ(slider->mThumbRect.top, 8);
  int32_t value = -1;
  slider->ValueFromPoint(value, 0, 82);
  EXPECT_EQ(value, 0);

  auto* bar = new ScrollBarWindow({40, 0, 41, 100}, 2, 1, rootWindow, nullptr, 1, nullptr);
  bar->Initialize();
  EXPECT_EQ(bar->mRect, (Rect{40, 0, 56, 100}));
  EXPECT_EQ(bar->mThumbRect.top, 16);
  bar->SetValue(8);
  EXPECT_EQ(bar->mThumbRect.top, 100 - 16 - 16);
  auto* across = new ScrollBarWindow({0, 150, 100, 151}, 3, 0, rootWindow, nullptr, 1, nullptr);
  across->Initialize();
  EXPECT_EQ(across->Height(), 16);
  EXPECT_EQ(across->mThumbRect.left, 16);
}

TEST_F(SliderWindowTest, SetValueClampsAndNotifiesOnlyOnARequestForChange) {
  SliderWindow* slider = MakeSlider();
  slider->SetValue(0);
  EXPECT_TRUE(owner.Take().empty());
  slider->SetValue(3);
  EXPECT_EQ(owner.Take(), (std::vector<ValueRecorder::Entry>{{kControlChanged, 3}}));
  slider->SetValue(13);
  EXPECT_EQ(slider->GetValue(), 8);
  // Beyond the bound the value already sits at: one more notification, value unchanged.
  slider->SetValue(13);
  slider->SetValue(-4);
  EXPECT_EQ(owner.Take(), (std::vector<ValueRecorder::Entry>{
                              {kControlChanged, 8}, {kControlChanged, 8}, {kControlChanged, 0}}));
  // Crossed bounds: the minimum wins. The bounds neither clamp nor notify.
  slider->SetMinimum(5);
  slider->SetMaximum(2);
  EXPECT_EQ(slider->GetValue(), 0);
  EXPECT_TRUE(owner.Take().empty());
  slider->SetValue(3);
  EXPECT_EQ(slider->GetValue(), 5);
}

TEST_F(SliderWindowTest, ANestedSetValueFromTheOwnerIsIgnored) {
  SliderWindow* slider = MakeSlider();
  owner.action = [slider](GraphicWindow*) { slider->SetValue(1); };
  slider->SetValue(6);
  EXPECT_EQ(slider->GetValue(), 6);
  EXPECT_EQ(owner.Take(), (std::vector<ValueRecorder::Entry>{{kControlChanged, 6}}));
  EXPECT_EQ(slider->mInSetValue, 0);
}

// An empty range puts the thumb at the minimum's place; a track exactly as long as the
// thumb and its margins has no travel, and every point reads as the minimum.
TEST_F(SliderWindowTest, EmptyRangeAndZeroTravelGiveTheMinimum) {
  SliderWindow* slider = MakeSlider();
  slider->SetMinimum(3);
  slider->SetMaximum(3);
  EXPECT_EQ(slider->mThumbRect.left, 8);
  auto* tight = new SliderWindow({0, 50, 26, 80}, 6, 0, rootWindow, nullptr, 1, "thumb.bmp", "", 8);
  tight->Initialize();
  tight->SetMinimum(2);
  EXPECT_EQ(tight->mPositionAtMaximum, tight->mPositionAtMinimum);
  for (int32_t x : {0, 8, 13, 26}) {
    int32_t value = -1;
    EXPECT_EQ(tight->ValueFromPoint(value, x, 5), 1);
    EXPECT_EQ(value, 2) << x;
  }
}

TEST_F(SliderWindowTest, PressDragAndReleaseMoveTheValueToThePointer) {
  SliderWindow* slider = MakeSlider();
  manager.OnMouseDown(10 + 45, 20, 1);
  EXPECT_EQ(GraphicWindow::captureWindow, slider);
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), slider);
  EXPECT_EQ(slider->GetValue(), 4);
  manager.OnMouseMove(10 + 82, 100);
  EXPECT_EQ(slider->GetValue(), 8);
  manager.OnMouseUp(10 + 18, 100, 1);
  EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  EXPECT_EQ(slider->GetValue(), 1);
  // Without the capture, moves and releases change nothing.
  manager.OnMouseMove(10 + 45, 20);
  EXPECT_EQ(slider->GetValue(), 1);
  EXPECT_EQ(owner.Take(), (std::vector<ValueRecorder::Entry>{
                              {kControlChanged, 4}, {kControlChanged, 8}, {kControlChanged, 1}}));
  GraphicWindow::RemoveFromInputList(slider);
}

// The owner closes the slider from its notification: the press still finishes on live
// memory and the slider goes when the dispatch is over.
TEST_F(SliderWindowTest, TheOwnerMayCloseTheSliderFromItsNotification) {
  SliderWindow* slider = MakeSlider();
  owner.action = [](GraphicWindow* sender) { sender->Close(); };
  manager.OnMouseDown(10 + 45, 20, 1);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(slider));
  EXPECT_TRUE(rootWindow->mChildren.empty());
  EXPECT_EQ(owner.entries.size(), 1u);
}

// The track image first, then the thumb over it, at the window's place in the target.
TEST_F(SliderWindowTest, DrawsTheTrackThenTheThumb) {
  SliderWindow* slider = MakeSlider();
  slider->SetValue(4);
  manager.DrawWindows();
  EXPECT_EQ(PixelAt(*rootImage, 10, 10), kTrackColour);
  EXPECT_EQ(PixelAt(*rootImage, 10 + 44, 20), kTrackColour);
  EXPECT_EQ(PixelAt(*rootImage, 10 + 45, 15), kThumbColour);
  EXPECT_EQ(PixelAt(*rootImage, 10 + 54, 34), kThumbColour);
  EXPECT_EQ(PixelAt(*rootImage, 10 + 55, 20), kTrackColour);
  EXPECT_EQ(slider->mDirty, 0);
}

// Without a track image: the slider colour, a line along the middle and the frame, both
// in the target's pen colour.
TEST_F(SliderWindowTest, DrawsAPlainTrackWithoutATrackImage) {
  auto* slider = new SliderWindow({20, 20, 120, 50}, 6, 0, rootWindow, nullptr, 1, "thumb.bmp", "", 8);
  slider->Initialize();
  rootImage->mPenColor = 0x000000;
  manager.DrawWindows();
  const uint8_t fill = static_cast<uint8_t>(WindowColors[kSliderColorEntry]);
  EXPECT_EQ(PixelAt(*rootImage, 20 + 4, 20 + 5), fill);
  EXPECT_EQ(PixelAt(*rootImage, 20 + 50, 20 + 15), 0);
  EXPECT_EQ(PixelAt(*rootImage, 20 + 50, 20), 0);
  EXPECT_EQ(PixelAt(*rootImage, 20 + 8, 20 + 10), kThumbColour);
  EXPECT_EQ(slider->mpTrackImage, nullptr);
}

}  // namespace
