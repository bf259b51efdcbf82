#pragma once
#include "Drovane/toolkit/GraphicWindow.h"

// A window that fills its own area with a palette colour and draws a one-pixel frame in
// its target image.
class FramedWindow : public GraphicWindow {
public:
  FramedWindow() = default;
  FramedWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
               int32_t addToParent);

  int32_t DrawContents() override;
  // Frame colour 0x00RRGGBB from the pointer, fill colour a palette index. No dirty marking.
  virtual void SetColors(const uint32_t* frameColor, int32_t fillColor);
  virtual void SetStyle(int32_t frameOn, int32_t fillOn);

  int32_t mFrameOn = 1;
  int32_t mFillOn = 0;
  uint32_t mFrameColor = 0;
  int32_t mFillColor = WindowColors[kFrameColorEntry];
};
