#pragma once
#include <string>

#include "Drovane/GdiFont.h"
#include "Drovane/toolkit/GraphicWindow.h"

// A window showing a text in its own font, given or loaded from the string table for the
// current language, with an optional background fill and frame. It draws into the image
// of its nearest ancestor that has one. The text is the window's caption.
class TextWindow : public GraphicWindow {
public:
  TextWindow();
  // The text of the string id in the current language.
  TextWindow(const platform::Rect& rect, int32_t id, int32_t stringId, GraphicWindow* parent, CommandReceiver* notify,
             int32_t addToParent);
  TextWindow(const platform::Rect& rect, int32_t id, const std::string& text, GraphicWindow* parent,
             CommandReceiver* notify, int32_t addToParent);

  int32_t DrawContents() override;

  virtual void SetText(const std::string& text);
  virtual void SetStringId(int32_t stringId);
  // A zero argument keeps that attribute.
  virtual void SetFontAttributes(int32_t height, int32_t width, uint32_t flags);
  // Options of CBackBuffer::DrawBufferText: kTextCenter, kTextVCenter, kTextOpaque, kTextRight.
  virtual void SetTextOptions(uint32_t options);
  // A colour 0x00RRGGBB.
  virtual void SetTextColor(const uint32_t* color);
  // Takes effect when something next marks the window dirty.
  virtual void SetFillBackground(int32_t fill);
  // The string id's text in the current language; a text only the base language has
  // comes with "(!)" appended.
  virtual void LoadText();
  // Measured text plus 7 by 3; unchanged when the text cannot be measured.
  virtual void SizeToText();
  // Cuts the height down to whole lines of the font, and marks the window dirty. 1.
  virtual int32_t FitHeightToLines();

  int32_t mFillBackground = 0;
  uint32_t mTextColor;
  int32_t mBackgroundColor = WindowColors[kFrameColorEntry];
  int32_t mStringId = 0;
  GdiFont mFont;
  uint32_t mTextOptions = 0;
};
