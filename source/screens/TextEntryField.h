#pragma once
#include <memory>
#include <string>

#include "Drovane/Stopwatch.h"
#include "Drovane/toolkit/TextWindow.h"

class CBackBuffer;

// A one-line text input: the typed text followed by a blinking caret character. Typing
// appends, Backspace or Delete removes the last character; the field takes every key while
// it is first in the keyboard list, which it joins when initialised or clicked.
class TextEntryField : public TextWindow {
public:
  // A background bitmap name (of the bitmap folder) gives the field that background.
  TextEntryField(const platform::Rect& rect, int32_t id, const std::string& initialText, GraphicWindow* parent,
                 CommandReceiver* notify, int32_t addToParent, const char* backgroundBitmap = nullptr);
  ~TextEntryField() override;

  int32_t Initialize() override;
  void DestroyImage() override;
  // A character from 32 up goes before the caret while there is room: 1; else 0.
  int32_t OnChar(uint32_t character) override;
  // Backspace and Delete remove the last character; every key is taken. 1.
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override;
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons) override;
  // Blinks the caret when due, then draws the background, the text and the frame. 1.
  int32_t DrawContents() override;
  // Dirty, or the blink period has passed (which makes the blink due).
  bool NeedsRedraw() const override;

  virtual void LoadBackground();
  virtual void SetBlinkPeriod(uint32_t microseconds);
  // The longest text, the caret counted.
  virtual void SetVodLength(int32_t characters);
  // Copies the text, caret included, as far as it fits in size - 1 characters, and the
  // terminating zero; the count copied. Nothing for a size of 0.
  virtual int32_t GetTextChars(char* buffer, int32_t size) const;
  // The text without its caret.
  virtual void GetText(std::string& text) const;
  // 0 when there is nothing before the caret, else 1.
  virtual int32_t DeleteLastChar();
  // Hands a line feed to OnChar, which takes no control character.
  virtual void Submit();

  Stopwatch mBlinkStopwatch{0};
  uint32_t mBlinkPeriodUs = 700000;
  mutable int32_t mBlinkDue = 0;
  int32_t mVodLength = 256;
  int32_t mHasBackground = 0;
  std::string mBackgroundBitmap;
  std::unique_ptr<CBackBuffer> mpBackgroundImage;

private:
  void KeepCaret();
};
