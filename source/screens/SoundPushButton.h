#pragma once
#include "Drovane/toolkit/ButtonWindow.h"

// A push button that clicks as it goes down. Every game screen and box builds its push
// buttons from it; the creator sets the caption, then initialises it.
class SoundPushButton : public ButtonWindow {
public:
  SoundPushButton(const platform::Rect& rect, int32_t id, GraphicWindow* parent, const char* bitmapFileName,
                  CommandReceiver* notify, int32_t addToParent);
  ~SoundPushButton() override;

  void SetState(int32_t state) override;
};
