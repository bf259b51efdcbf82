#include "Drovane/toolkit/TextWindow.h"

#include "Drovane/BackBuffer.h"
#include "Drovane/LanguageStrings.h"

namespace {

// The longest text a string-table load takes.
constexpr size_t kMaxTextLength = 4095;

// A GDI colour whose three colour bytes are each the low byte of the palette index.
uint32_t GreyOfIndex(int32_t index) {
  const uint32_t byte = static_cast<uint32_t>(index) & 0xFF;
  return byte << 16 | byte << 8 | byte;
}

}  // namespace

TextWindow::TextWindow() : mTextColor(GreyOfIndex(WindowColors[kTextColorEntry])) { mFont.Create(); }

TextWindow::TextWindow(const platform::Rect& rect, int32_t id, int32_t stringId, GraphicWindow* parent,
                       CommandReceiver* notify, int32_t addToParent)
    : GraphicWindow(rect, id, parent, notify, addToParent),
      mTextColor(GreyOfIndex(WindowColors[kTextColorEntry])),
      mStringId(stringId) {
  mFont.Create();
  LoadText();
}

TextWindow::TextWindow(const platform::Rect& rect, int32_t id, const std::string& text, GraphicWindow* parent,
                       CommandReceiver* notify, int32_t addToParent)
    : GraphicWindow(rect, id, parent, notify, addToParent), mTextColor(GreyOfIndex(WindowColors[kTextColorEntry])) {
  mFont.Create();
  mCaption = text;
}

int32_t TextWindow::DrawContents() {
  if (!mpTarget) return 1;
  if (mFillBackground) mpTarget->FillRect(static_cast<uint32_t>(mBackgroundColor), &mAbsRect);
  if (mUserValue) DrawFrame(nullptr);
  mpTarget->mTextColor = mTextColor;
  int32_t left = mAbsRect.left + 5;
  int32_t top = mAbsRect.top + 1;
  int32_t right = mAbsRect.right;
  int32_t bottom = mAbsRect.bottom;
  mpTarget->DrawBufferText(mCaption.c_str(), mTextOptions, &left, &top, &right, &bottom, &mFont);
  return 1;
}

void TextWindow::SetText(const std::string& text) {
  mCaption = text;
  SetDirty(1, 1);
}

void TextWindow::SetStringId(int32_t stringId) {
  mStringId = stringId;
  LoadText();
  SetDirty(1, 1);
}

void TextWindow::SetFontAttributes(int32_t height, int32_t width, uint32_t flags) {
  mFont.SetAttributes(height, width, flags);
  SetDirty(1, 1);
}

void TextWindow::SetTextOptions(uint32_t options) {
  mTextOptions = options;
  SetDirty(1, 1);
}

void TextWindow::SetTextColor(const uint32_t* color) {
  if (!color) return;
  mTextColor = *color;
  SetDirty(1, 1);
}

void TextWindow::SetFillBackground(int32_t fill) { mFillBackground = fill; }

void TextWindow::LoadText() {
  std::string text;
  LoadLanguageString(text, GetLanguageStringId(static_cast<uint32_t>(mStringId), 0));
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  mCaption = text;
}

void TextWindow::SizeToText() {
  int32_t width = 0;
  int32_t height = 0;
  if (!mFont.MeasureText(mCaption.c_str(), &width, &height)) return;
  Resize(width + 7, height + 3);
}

int32_t TextWindow::FitHeightToLines() {
  int32_t width = 0;
  int32_t lineHeight = 0;
  if (!mFont.MeasureText(nullptr, &width, &lineHeight) || lineHeight <= 0) lineHeight = 1;
  const int32_t lines = Height() / lineHeight;
  if (lines * lineHeight != Height()) Resize(-1, lines * lineHeight);
  SetDirty(1, 1);
  return 1;
}
