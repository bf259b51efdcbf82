#include "screens/TextEntryField.h"

#include <algorithm>

#include "Drovane/BackBuffer.h"
#include "Drovane/DataPaths.h"
#include "platform/VirtualKeys.h"

namespace {
constexpr char kCaretShown = '_';
constexpr char kCaretHidden = ' ';
constexpr uint32_t kFirstPrintable = 32;
constexpr uint32_t kLastCharacter = 255;
constexpr uint32_t kLineFeed = 10;
}  // namespace

TextEntryField::TextEntryField(const platform::Rect& rect, int32_t id, const std::string& initialText,
                               GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent,
                               const char* backgroundBitmap)
    : TextWindow(rect, id, initialText + kCaretShown, parent, notify, addToParent) {
  if (!backgroundBitmap || !*backgroundBitmap) return;
  mHasBackground = 1;
  mBackgroundBitmap = backgroundBitmap;
}

TextEntryField::~TextEntryField() = default;

int32_t TextEntryField::Initialize() {
  TextWindow::Initialize();
  LoadBackground();
  if (!mBlinkStopwatch.IsRunning()) mBlinkStopwatch.Start();
  AddToInputList(this);
  return 1;
}

void TextEntryField::LoadBackground() {
  if (mpBackgroundImage || mBackgroundBitmap.empty()) return;
  std::string path;
  if (!gDataPaths.GetPathString(kDataBitmaps, 0, mBackgroundBitmap, path)) return;
  mpBackgroundImage = std::make_unique<CBackBuffer>(path.c_str());
}

void TextEntryField::DestroyImage() {
  mpBackgroundImage.reset();
  TextWindow::DestroyImage();
}

// A text set from outside (SetText, a string id) may have come without its caret.
void TextEntryField::KeepCaret() {
  if (mCaption.empty()) mCaption = kCaretShown;
}

int32_t TextEntryField::OnChar(uint32_t character) {
  if (character < kFirstPrintable || character > kLastCharacter) return 0;
  KeepCaret();
  if (static_cast<int32_t>(mCaption.size()) >= mVodLength) return 0;
  mCaption.insert(mCaption.size() - 1, 1, static_cast<char>(character));
  SetDirty(1, 1);
  return 1;
}

int32_t TextEntryField::OnKeyDown(uint32_t key, uint32_t) {
  if (key == platform::VK_BACK || key == platform::VK_DELETE) DeleteLastChar();
  if (key == platform::VK_RETURN) Submit();
  SetDirty(1, 1);
  return 1;
}

int32_t TextEntryField::OnMouseDown(int32_t, int32_t, int32_t) {
  AddToInputList(this);
  return 1;
}

bool TextEntryField::NeedsRedraw() const {
  if (mDirty) return true;
  mBlinkDue = mBlinkStopwatch.Elapsed() > mBlinkPeriodUs ? 1 : 0;
  return mBlinkDue != 0;
}

int32_t TextEntryField::DrawContents() {
  KeepCaret();
  if (mBlinkDue) {
    mCaption.back() = mCaption.back() == kCaretShown ? kCaretHidden : kCaretShown;
    mBlinkStopwatch.Restart();
    mBlinkDue = 0;
  }
  if (!mpTarget) return 1;
  if (mHasBackground) {
    if (mpBackgroundImage) {
      mpBackgroundImage->Compose(mpTarget, mAbsRect.left, mAbsRect.top, 0, 0, Width(), Height());
    } else {
      mpTarget->FillRect(static_cast<uint32_t>(mBackgroundColor), &mAbsRect);
    }
  }
  mpTarget->mTextColor = mTextColor;
  platform::Rect area = mAbsRect;
  mpTarget->DrawBufferText(mCaption.c_str(), -1, mTextOptions, &area, &mFont);
  if (mUserValue) DrawFrame(nullptr);
  return 1;
}

void TextEntryField::SetBlinkPeriod(uint32_t microseconds) { mBlinkPeriodUs = microseconds; }

void TextEntryField::SetVodLength(int32_t characters) { mVodLength = characters; }

int32_t TextEntryField::GetTextChars(char* buffer, int32_t size) const {
  if (!buffer || size <= 0) return 0;
  const int32_t count = std::min(size - 1, static_cast<int32_t>(mCaption.size()));
  mCaption.copy(buffer, static_cast<size_t>(count));
  buffer[count] = '\0';
  return count;
}

void TextEntryField::GetText(std::string& text) const { text = mCaption.substr(0, mCaption.size() - 1); }

int32_t TextEntryField::DeleteLastChar() {
  if (mCaption.size() <= 1) return 0;
  mCaption.erase(mCaption.size() - 2, 1);
  return 1;
}

void TextEntryField::Submit() { OnChar(kLineFeed); }
