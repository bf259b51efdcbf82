#pragma once
#include "Drovane/toolkit/GraphicWindow.h"

// Button states: up (off) and down (on).
constexpr int32_t kButtonUp = 1;
constexpr int32_t kButtonDown = 2;

// A push button drawn from a strip of equal frames side by side in one bitmap (disabled,
// up, pressed), its caption drawn into the frames. Pressing and releasing a mouse button
// over it notifies the owner; moving out while pressed shows it up again.
class ButtonWindow : public GraphicWindow {
public:
  ButtonWindow();
  // Only the rectangle's left and top count: the bitmap sets the size. A null bitmap name
  // is "button.bmp". Set the caption before Initialize.
  ButtonWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, const char* bitmapFileName,
               CommandReceiver* notify, int32_t addToParent);

  // Takes the default colour key and builds the image.
  int32_t Initialize() override;
  // One frame wide; the caption drawn into the first three frames.
  CBackBuffer* CreateImage(int32_t sizeFromImage) override;
  // Composes the frame of the state, only when dirty. 1.
  int32_t Draw() override;
  // A disabled control takes no routed mouse events.
  bool IsInModalWindow() const override;
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons) override;
  int32_t OnMouseMove(int32_t x, int32_t y) override;

  virtual int32_t GetFrameCount() const;
  virtual void SetState(int32_t state);
  virtual int32_t GetState() const;
  virtual void Enable();
  virtual void Disable();
  // Each non-null colour (0x00RRGGBB) replaces its own; shown when the image is next built.
  virtual void SetCaptionColors(const uint32_t* captionColor, const uint32_t* pressedCaptionColor);

  int32_t mState = kButtonUp;
  int32_t mEnabled = 1;
  int32_t mCaptionFontHeight = 0;
  int32_t mPressedOffsetX = 2;
  int32_t mPressedOffsetY = 2;
  int32_t mBusy = 0;
  uint32_t mCaptionColor = 0;
  uint32_t mPressedCaptionColor = 0;

protected:
  // The frame shown for the state and the enabled flag, counted from 0.
  virtual int32_t FrameIndex() const;
  int32_t FrameWidth() const;
  // Stores a new state and marks the button; false when it was the state already.
  bool ChangeState(int32_t state);
  // The value a check box or radio button reports: the address of its state.
  intptr_t StateAddress() { return reinterpret_cast<intptr_t>(&mState); }

private:
  void DrawCaptions(CBackBuffer& image);
};
