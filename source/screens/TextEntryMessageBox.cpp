#include "screens/TextEntryMessageBox.h"

#include "screens/TextEntryField.h"

namespace {
constexpr platform::Rect kFieldArea{100, 100, 370, 200};
constexpr int32_t kFieldFontHeight = 18;
constexpr int32_t kFieldLength = 128;
}  // namespace

TextEntryMessageBox::TextEntryMessageBox(const platform::Rect& position, uint32_t buttons, int32_t promptStringId,
                                         const std::string& initialText, int32_t id, GraphicWindow* parent,
                                         CommandReceiver* notify, int32_t addToParent, int32_t closeOnAnswer,
                                         const char* fieldBackgroundBitmap, const char* boxBitmap,
                                         const char* buttonBitmap, const char* stripBitmap)
    : MessageBoxWindow(position, buttons, promptStringId, id, parent, notify, addToParent, closeOnAnswer, boxBitmap,
                       buttonBitmap, stripBitmap),
      mpField(new TextEntryField(kFieldArea, 0, initialText, this, this, 1, fieldBackgroundBitmap)) {
  mpField->SetFontAttributes(kFieldFontHeight, 0, 0);
}

int32_t TextEntryMessageBox::Initialize() {
  MessageBoxWindow::Initialize();
  mpField->SetTextColor(&mTextColor);
  mpField->Initialize();
  mpField->SetVodLength(kFieldLength);
  return 1;
}

int32_t TextEntryMessageBox::GetTextChars(char* buffer, int32_t size) const {
  return mpField->GetTextChars(buffer, size);
}

void TextEntryMessageBox::GetText(std::string& text) const { mpField->GetText(text); }
