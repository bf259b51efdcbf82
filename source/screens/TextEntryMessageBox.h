#pragma once
#include <string>

#include "screens/MessageBoxWindow.h"

class TextEntryField;

// A message box with a one-line text field under its prompt; the owner reads the text when
// the answer arrives. The field takes every key, Escape included: the box is answered by
// its buttons.
class TextEntryMessageBox : public MessageBoxWindow {
public:
  TextEntryMessageBox(const platform::Rect& position, uint32_t buttons, int32_t promptStringId,
                      const std::string& initialText, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                      int32_t addToParent, int32_t closeOnAnswer, const char* fieldBackgroundBitmap,
                      const char* boxBitmap, const char* buttonBitmap, const char* stripBitmap);

  // The box, then the field, which then holds up to 127 characters before its caret.
  int32_t Initialize() override;
  int32_t GetTextChars(char* buffer, int32_t size) const;
  void GetText(std::string& text) const;

  TextEntryField* mpField = nullptr;
};
