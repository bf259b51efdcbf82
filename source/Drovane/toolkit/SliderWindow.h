#pragma once
#include <string>

#include "Drovane/toolkit/GraphicWindow.h"

// A control showing a whole value between a minimum and a maximum as the place of a thumb
// along a track. The window's rectangle is the track; its own image is the thumb and a
// second image, the track image, is drawn under it. A click on the track or a drag moves
// the value to the pointer; every change of the value is reported to the notify target
// with kControlChanged and the address of the value.
//
// A horizontal slider has its minimum on the left, a vertical one at the bottom.
class SliderWindow : public GraphicWindow {
public:
  // Horizontal, range 0..8, an end margin of 8 and no images.
  SliderWindow();
  // A null thumb or track file takes the default of the orientation: "sliderth.bmp" and
  // "sliderbh.bmp" across, "slidertv.bmp" and "sliderbv.bmp" upright. The end margin is
  // kept free at each end of the track.
  SliderWindow(const platform::Rect& rect, int32_t id, int32_t vertical, GraphicWindow* parent,
               CommandReceiver* notify, int32_t addToParent, const char* thumbFileName, const char* trackFileName,
               int32_t endMargin);
  ~SliderWindow() override;

  // Takes the default colour key, loads the images, takes the track image's size when
  // there is one and lays the thumb out. 1 when the thumb image was made, else 0.
  int32_t Initialize() override;
  // Loads the thumb without resizing the window, and the track image; both keyed with the
  // window's transparent index. The thumb image, or null.
  CBackBuffer* CreateImage(int32_t sizeFromImage) override;
  void DestroyImage() override;
  // The track, then the thumb, only when visible and dirty. 0 when hidden, else 1.
  int32_t Draw() override;
  void MoveTo(int32_t x, int32_t y) override;
  void Resize(int32_t width, int32_t height) override;
  // Pressing captures the mouse; pressing, dragging and releasing move the value to the
  // pointer. Each answers 1.
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseMove(int32_t x, int32_t y) override;

  // The value under a point of the window, unclamped: the point stands for the thumb's
  // leading edge. A track with no room for the thumb to travel gives the minimum. 1.
  virtual int32_t ValueFromPoint(int32_t& value, int32_t x, int32_t y);
  // The thumb's place and rectangle from the value.
  virtual void PlaceThumb();
  // The thumb's places at the minimum and the maximum, then PlaceThumb.
  virtual void Layout();
  virtual int32_t GetThumbWidth() const;
  virtual int32_t GetThumbHeight() const;

  int32_t GetValue() const { return mValue; }
  int32_t GetMinimum() const { return mMinimum; }
  int32_t GetMaximum() const { return mMaximum; }
  // Clamps to the range (the minimum wins when the bounds cross), moves the thumb and
  // notifies. A request equal to the current value does nothing; one beyond a bound the
  // value already sits at still notifies. A call made from inside the notification is
  // ignored.
  void SetValue(int32_t value);
  // Neither clamps the value nor notifies; lays the thumb out again.
  void SetMinimum(int32_t value);
  void SetMaximum(int32_t value);

  int32_t mVertical = 0;
  int32_t mMinimum = 0;
  int32_t mMaximum = 8;
  int32_t mValue = 0;
  int32_t mPositionAtMinimum = 0;
  int32_t mThumbPosition = 0;
  int32_t mPositionAtMaximum = 0;
  int32_t mEndMargin = 8;
  platform::Rect mThumbRect;
  CBackBuffer* mpTrackImage = nullptr;
  std::string mTrackFileName;
  int32_t mInSetValue = 0;

protected:
  // The length of the window along the track.
  int32_t TrackLength() const { return mVertical ? Height() : Width(); }
  // Sets the value to the one under the point.
  void MoveValueToPoint(int32_t x, int32_t y);
  // Composes a whole image into the target at a point of the window.
  void ComposeAt(CBackBuffer* image, int32_t x, int32_t y);

private:
  void LoadTrackImage();
  void DrawPlainTrack();
};

// a * b / c in wide arithmetic, truncated towards zero; c must not be 0.
int32_t ScaleInt(int32_t a, int32_t b, int32_t c);
