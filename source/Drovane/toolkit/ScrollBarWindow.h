#pragma once
#include "Drovane/Stopwatch.h"
#include "Drovane/toolkit/SliderWindow.h"

// Parts of a scroll bar under a point.
enum ScrollBarPart : int32_t {
  kScrollOutside = 0,
  kScrollFirstArrow = 1,   // left or top: a line down
  kScrollSecondArrow = 2,  // right or bottom: a line up
  kScrollPageDown = 3,     // track between the first arrow and the thumb
  kScrollPageUp = 4,       // track between the thumb and the second arrow
  kScrollThumb = 5,
};

// A slider with an arrow at each end, drawn from one strip of twelve square cells (left
// arrow, pressed, thumb, track tile, right arrow, pressed, then the same upright). An arrow
// moves the value by a line step and the track by a page step; holding the button repeats
// the step on every drawn frame once 200 ms have passed since the press. The thumb drags as
// on a slider. The minimum is on the left or at the top.
class ScrollBarWindow : public SliderWindow {
public:
  // Horizontal, "scroll.bmp".
  ScrollBarWindow();
  // A null image file is "scroll.bmp". The bar has no track image and no end margin.
  ScrollBarWindow(const platform::Rect& rect, int32_t id, int32_t vertical, GraphicWindow* parent,
                  CommandReceiver* notify, int32_t addToParent, const char* imageFileName);

  // Loads the strip and makes the bar as thick as a cell. 1 when the strip was made.
  int32_t Initialize() override;
  // Arrows, track and thumb from the strip, and the held part's repeat. Nothing is drawn
  // from a strip that did not load. 0 when hidden, else 1.
  int32_t Draw() override;
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseMove(int32_t x, int32_t y) override;
  void Layout() override;
  int32_t GetThumbWidth() const override;
  int32_t GetThumbHeight() const override;

  // Stores both step counts when both are above 0, and lays the thumb out.
  virtual void SetSteps(int32_t lineSteps, int32_t pageSteps);
  // The value down or up by the range over the step count, not past the bounds.
  virtual void LineDown();
  virtual void LineUp();
  virtual void PageDown();
  virtual void PageUp();
  // The part under a point of the window; 0 with part 0 outside, else 1.
  virtual int32_t HitTest(int32_t& part, int32_t x, int32_t y);
  virtual int32_t GetArrowWidth() const;
  virtual int32_t GetArrowHeight() const;
  // The index of the value among the step positions, and the value of a position. With
  // one step every value is index 0 and every index the minimum; an empty range is index 0.
  virtual int32_t GetLineIndex() const;
  virtual int32_t LineIndexToValue(int32_t index) const;
  virtual int32_t GetPageIndex() const;
  virtual int32_t PageIndexToValue(int32_t index) const;

  // The strip's cell size: a twelfth of its width, and its height.
  int32_t CellWidth() const;
  int32_t CellHeight() const;

  int32_t mLineSteps = 8;
  int32_t mPageSteps = 8;
  Stopwatch mHoldStopwatch{1};
  int32_t mPressedPart = kScrollOutside;
  int32_t mOverPressedPart = 1;

private:
  // The step of a pressed part; the thumb has none.
  void RunStep(int32_t part);
  void StepDown(int32_t steps);
  void StepUp(int32_t steps);
  // The held part's step once the hold has lasted long enough; the pressed arrow's cell.
  void RepeatHeldPart(int32_t& firstArrow, int32_t& secondArrow);
  void DrawCells(int32_t firstArrow, int32_t secondArrow);
  void ComposeCell(int32_t cell, int32_t x, int32_t y);
};
