#pragma once
#include <string>

#include "Drovane/toolkit/GraphicWindow.h"

// The game's own modal message box, drawn from bitmaps in the look of the current screen:
// a text, one or two sounding push buttons chosen by a button set (see MessageBoxButtons.h)
// and an animated picture strip. A pressed button, or Escape, reports the box's window id
// and that button's bit to the notify target; a box that closes on its answer then deletes
// itself.
class MessageBoxWindow : public GraphicWindow {
public:
  // The box takes its bitmap's size; position is its top left corner. A null or empty box
  // bitmap is "MBox.bmp", a null button bitmap "button.bmp"; an empty strip name gives no
  // strip. The text is the string id's in the current language.
  MessageBoxWindow(const platform::Rect& position, uint32_t buttons, int32_t textStringId, int32_t id,
                   GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent, int32_t closeOnAnswer,
                   const char* boxBitmap, const char* buttonBitmap, const char* stripBitmap);
  MessageBoxWindow(const platform::Rect& position, uint32_t buttons, const std::string& text, int32_t id,
                   GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent, int32_t closeOnAnswer,
                   const char* boxBitmap, const char* buttonBitmap, const char* stripBitmap);

  // A button's report becomes the box's answer. 1.
  int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) override;
  // Builds the buttons, the strip and the text, and makes the box modal and the taker of keys.
  int32_t Initialize() override;
  // A box image made again (after a display switch) gets its text again.
  CBackBuffer* CreateImage(int32_t sizeFromImage) override;
  // Each child, then again every later one it overlaps.
  void DrawChildren() override;
  // Escape answers (EscapeAnswer); every key is taken. 1.
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override;

  // Colours 0x00RRGGBB. The text colour marks the box dirty; a null button colour keeps its
  // own. Both take effect when the box is initialised.
  virtual void SetTextColor(const uint32_t* color);
  virtual void SetButtonColors(const uint32_t* captionColor, const uint32_t* pressedCaptionColor);
  // Draws the text, word-wrapped, into the text area of the box image.
  virtual void LayOutText();

  int32_t mTextStringId = 0;
  std::string mText;
  std::string mButtonBitmap;
  std::string mStripBitmap;
  uint32_t mButtons = 0;
  int32_t mCloseOnAnswer = 0;
  uint32_t mTextColor = 0;
  uint32_t mButtonCaptionColor = 0;
  uint32_t mButtonPressedCaptionColor = 0;

private:
  void Answer(uint32_t button);
  void AddButtons();
  void AddStrip();
  int32_t mInitialized = 0;
};
