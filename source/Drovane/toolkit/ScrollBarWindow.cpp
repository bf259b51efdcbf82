#include "Drovane/toolkit/ScrollBarWindow.h"

#include <algorithm>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/DispatchBracket.h"

namespace {

constexpr const char* kScrollStrip = "scroll.bmp";
constexpr int32_t kStripCells = 12;
// A held part repeats once the press is older than this.
constexpr uint32_t kRepeatDelayMs = 200;

// Strip cells: the first arrow, the thumb and the track tile of each orientation; a
// pressed arrow is the cell after its arrow.
constexpr int32_t kLeftArrowCell = 0;
constexpr int32_t kRightArrowCell = 4;
constexpr int32_t kUpArrowCell = 6;
constexpr int32_t kDownArrowCell = 10;
constexpr int32_t kHorizontalThumbCell = 2;
constexpr int32_t kHorizontalTrackCell = 3;
constexpr int32_t kVerticalThumbCell = 8;
constexpr int32_t kVerticalTrackCell = 9;

// The index of a value among the positions of a step count, and back.
int32_t IndexOfValue(int32_t value, int32_t minimum, int32_t maximum, int32_t steps) {
  if (steps == 1 || maximum == minimum) return 0;
  return ScaleInt(value - minimum, steps - 1, maximum - minimum);
}

int32_t ValueOfIndex(int32_t index, int32_t minimum, int32_t maximum, int32_t steps) {
  if (steps == 1) return minimum;
  return minimum + ScaleInt(maximum - minimum, index, steps - 1);
}

}  // namespace

ScrollBarWindow::ScrollBarWindow() {
  mImageFileName = kScrollStrip;
  mEndMargin = 0;
}

ScrollBarWindow::ScrollBarWindow(const platform::Rect& rect, int32_t id, int32_t vertical, GraphicWindow* parent,
                                 CommandReceiver* notify, int32_t addToParent, const char* imageFileName)
    : SliderWindow(rect, id, vertical, parent, notify, addToParent, imageFileName ? imageFileName : kScrollStrip,
                   nullptr, 0) {
  mTrackFileName.clear();
}

int32_t ScrollBarWindow::Initialize() {
  GraphicWindow::Initialize();
  mTransparentIndex = defaultTransparentIndex;
  const CBackBuffer* strip = CreateImage(0);
  if (CellHeight() > 0) {
    if (mVertical) {
      Resize(CellHeight(), -1);
    } else {
      Resize(-1, CellHeight());
    }
  }
  Layout();
  return strip ? 1 : 0;
}

int32_t ScrollBarWindow::CellWidth() const { return mpImage ? mpImage->mWidth / kStripCells : 0; }

int32_t ScrollBarWindow::CellHeight() const { return mpImage ? mpImage->mHeight : 0; }

int32_t ScrollBarWindow::GetThumbWidth() const { return CellWidth(); }

int32_t ScrollBarWindow::GetThumbHeight() const { return CellHeight(); }

int32_t ScrollBarWindow::GetArrowWidth() const { return CellHeight(); }

int32_t ScrollBarWindow::GetArrowHeight() const { return CellHeight(); }

void ScrollBarWindow::Layout() {
  if (mVertical) {
    mPositionAtMinimum = GetArrowHeight();
    mPositionAtMaximum = Height() - GetArrowHeight() - GetThumbHeight();
  } else {
    mPositionAtMinimum = GetArrowWidth();
    mPositionAtMaximum = Width() - GetArrowWidth() - GetThumbWidth();
  }
  PlaceThumb();
}

void ScrollBarWindow::SetSteps(int32_t lineSteps, int32_t pageSteps) {
  if (lineSteps <= 0 || pageSteps <= 0) return;
  mLineSteps = lineSteps;
  mPageSteps = pageSteps;
  Layout();
}

void ScrollBarWindow::StepDown(int32_t steps) {
  if (mValue <= mMinimum) return;
  SetValue(std::max(mValue - (mMaximum - mMinimum) / steps, mMinimum));
}

void ScrollBarWindow::StepUp(int32_t steps) {
  if (mValue >= mMaximum) return;
  SetValue(std::min(mValue + (mMaximum - mMinimum) / steps, mMaximum));
}

void ScrollBarWindow::LineDown() { StepDown(mLineSteps); }
void ScrollBarWindow::LineUp() { StepUp(mLineSteps); }
void ScrollBarWindow::PageDown() { StepDown(mPageSteps); }
void ScrollBarWindow::PageUp() { StepUp(mPageSteps); }

int32_t ScrollBarWindow::HitTest(int32_t& part, int32_t x, int32_t y) {
  if (!ContainsLocalPoint(x, y)) {
    part = kScrollOutside;
    return 0;
  }
  const int32_t p = mVertical ? y : x;
  const int32_t arrow = mVertical ? GetArrowHeight() : GetArrowWidth();
  const int32_t thumb = mVertical ? GetThumbHeight() : GetThumbWidth();
  if (p < arrow) {
    part = kScrollFirstArrow;
  } else if (p < mThumbPosition) {
    part = kScrollPageDown;
  } else if (p < mThumbPosition + thumb) {
    part = kScrollThumb;
  } else if (p < TrackLength() - arrow) {
    part = kScrollPageUp;
  } else {
    part = kScrollSecondArrow;
  }
  return 1;
}

int32_t ScrollBarWindow::GetLineIndex() const { return IndexOfValue(mValue, mMinimum, mMaximum, mLineSteps); }

int32_t ScrollBarWindow::LineIndexToValue(int32_t index) const {
  return ValueOfIndex(index, mMinimum, mMaximum, mLineSteps);
}

int32_t ScrollBarWindow::GetPageIndex() const { return IndexOfValue(mValue, mMinimum, mMaximum, mPageSteps); }

int32_t ScrollBarWindow::PageIndexToValue(int32_t index) const {
  return ValueOfIndex(index, mMinimum, mMaximum, mPageSteps);
}

void ScrollBarWindow::RunStep(int32_t part) {
  switch (part) {
    case kScrollFirstArrow: LineDown(); break;
    case kScrollSecondArrow: LineUp(); break;
    case kScrollPageDown: PageDown(); break;
    case kScrollPageUp: PageUp(); break;
    default: break;
  }
}

// The owner may close the bar from a step's notification: the brackets keep it alive
// until each handler is done with it.
int32_t ScrollBarWindow::OnMouseDown(int32_t x, int32_t y, int32_t) {
  DispatchBracket bracket;
  AddToInputList(this);
  if (!HitTest(mPressedPart, x, y)) return 1;
  mOverPressedPart = 1;
  CaptureMouse(this);
  mHoldStopwatch.Restart();
  SetDirty(1, 1);
  RunStep(mPressedPart);
  return 1;
}

// Moving off the pressed part, or back onto it, redraws the bar, so the arrow shows the
// change and a resumed hold repeats again.
int32_t ScrollBarWindow::OnMouseMove(int32_t x, int32_t y) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  if (mPressedPart == kScrollThumb) {
    MoveValueToPoint(x, y);
    return 1;
  }
  int32_t part = kScrollOutside;
  const int32_t over = HitTest(part, x, y) && part == mPressedPart ? 1 : 0;
  if (over != mOverPressedPart) SetDirty(1, 1);
  mOverPressedPart = over;
  return 1;
}

int32_t ScrollBarWindow::OnMouseUp(int32_t x, int32_t y, int32_t) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  ReleaseMouse(this);
  if (mPressedPart == kScrollThumb) MoveValueToPoint(x, y);
  return 1;
}

int32_t ScrollBarWindow::Draw() {
  if (!mVisible) return 0;
  if (!mDirty) return 1;
  DispatchBracket bracket;
  SetDirty(0, 1);
  int32_t firstArrow = mVertical ? kUpArrowCell : kLeftArrowCell;
  int32_t secondArrow = mVertical ? kDownArrowCell : kRightArrowCell;
  RepeatHeldPart(firstArrow, secondArrow);
  DrawCells(firstArrow, secondArrow);
  return 1;
}

// While the pointer stays on the held part the bar stays dirty, so the step repeats once
// per drawn frame after the delay.
void ScrollBarWindow::RepeatHeldPart(int32_t& firstArrow, int32_t& secondArrow) {
  if (captureWindow != this || mOverPressedPart != 1) return;
  if (mPressedPart < kScrollFirstArrow || mPressedPart > kScrollPageUp) return;
  if (mPressedPart == kScrollFirstArrow) ++firstArrow;
  if (mPressedPart == kScrollSecondArrow) ++secondArrow;
  if (mHoldStopwatch.Elapsed() > kRepeatDelayMs) RunStep(mPressedPart);
  SetDirty(1, 1);
}

// A strip that did not load has empty cells, and a track of them would never end.
void ScrollBarWindow::DrawCells(int32_t firstArrow, int32_t secondArrow) {
  const int32_t w = CellWidth();
  const int32_t h = CellHeight();
  if (w <= 0 || h <= 0 || !mpTarget) return;
  ComposeCell(firstArrow, 0, 0);
  if (mVertical) {
    for (int32_t y = h; y < Height() - h; y += h) ComposeCell(kVerticalTrackCell, 0, y);
    ComposeCell(secondArrow, 0, Height() - h);
    ComposeCell(kVerticalThumbCell, 0, mThumbRect.top);
  } else {
    for (int32_t x = w; x < Width() - w; x += w) ComposeCell(kHorizontalTrackCell, x, 0);
    ComposeCell(secondArrow, Width() - w, 0);
    ComposeCell(kHorizontalThumbCell, mThumbRect.left, 0);
  }
}

void ScrollBarWindow::ComposeCell(int32_t cell, int32_t x, int32_t y) {
  const int32_t w = CellWidth();
  mpImage->Compose(mpTarget, mAbsRect.left + x, mAbsRect.top + y, cell * w, 0, (cell + 1) * w, CellHeight());
}
