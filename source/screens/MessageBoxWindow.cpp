#include "screens/MessageBoxWindow.h"

#include "Drovane/BackBuffer.h"
#include "Drovane/GdiFont.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"
#include "Drovane/toolkit/DispatchBracket.h"
#include "platform/VirtualKeys.h"
#include "screens/AnimStripWindow.h"
#include "screens/MessageBoxButtons.h"
#include "screens/SoundPushButton.h"

using platform::Rect;

namespace {

constexpr const char* kDefaultBoxBitmap = "MBox.bmp";
constexpr const char* kDefaultButtonBitmap = "button.bmp";
// Places in the box image: the text area, the top left corners of one button or two, and
// the strip with its frames' width and pace.
constexpr Rect kTextArea{98, 78, 368, 200};
constexpr int32_t kButtonTop = 256;
constexpr int32_t kLoneButtonLeft = 244;
constexpr int32_t kButtonLefts[2] = {194, 294};
constexpr Rect kStripArea{52, 211, 201, 304};
constexpr int32_t kStripFrameWidth = 149;
constexpr uint32_t kStripFrameDelayMs = 55;
constexpr int32_t kTextFontHeight = 18;

const char* BoxBitmapOrDefault(const char* name) { return name && *name ? name : kDefaultBoxBitmap; }

}  // namespace

MessageBoxWindow::MessageBoxWindow(const Rect& position, uint32_t buttons, int32_t textStringId, int32_t id,
                                   GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent,
                                   int32_t closeOnAnswer, const char* boxBitmap, const char* buttonBitmap,
                                   const char* stripBitmap)
    : MessageBoxWindow(position, buttons, std::string(), id, parent, notify, addToParent, closeOnAnswer, boxBitmap,
                       buttonBitmap, stripBitmap) {
  mTextStringId = textStringId;
}

MessageBoxWindow::MessageBoxWindow(const Rect& position, uint32_t buttons, const std::string& text, int32_t id,
                                   GraphicWindow* parent, CommandReceiver* notify, int32_t addToParent,
                                   int32_t closeOnAnswer, const char* boxBitmap, const char* buttonBitmap,
                                   const char* stripBitmap)
    : GraphicWindow(BoxBitmapOrDefault(boxBitmap), position, id, parent, notify, addToParent,
                    defaultTransparentIndex),
      mText(text),
      mButtonBitmap(buttonBitmap ? buttonBitmap : kDefaultButtonBitmap),
      mStripBitmap(stripBitmap ? stripBitmap : ""),
      mButtons(buttons),
      mCloseOnAnswer(closeOnAnswer) {}

int32_t MessageBoxWindow::Initialize() {
  GraphicWindow::Initialize();
  if (!mStripBitmap.empty()) AddStrip();
  AddButtons();
  LayOutText();
  mInitialized = 1;
  AddToModalList(this);
  AddToInputList(this);
  return 1;
}

void MessageBoxWindow::AddButtons() {
  const std::vector<uint32_t> shown = ShownButtons(mButtons);
  for (size_t i = 0; i < shown.size(); ++i) {
    const int32_t left = shown.size() == 1 ? kLoneButtonLeft : kButtonLefts[i];
    auto* button = new SoundPushButton({left, kButtonTop, left + 1, kButtonTop + 1}, static_cast<int32_t>(shown[i]),
                                       this, mButtonBitmap.c_str(), this, 1);
    button->SetCaption(LocalizedString(static_cast<uint32_t>(ButtonCaptionId(shown[i]))));
    button->SetCaptionColors(&mButtonCaptionColor, &mButtonPressedCaptionColor);
    button->Initialize();
  }
}

void MessageBoxWindow::AddStrip() {
  auto* strip = new AnimStripWindow(mStripBitmap.c_str(), kStripArea, kStripFrameWidth, 0, this, this, 1, -1);
  strip->SetFrameDelay(kStripFrameDelayMs);
  strip->SetMode(kStripPingPong);
  strip->Start();
}

// The strip reaches under the first of two buttons: a button it overlaps is drawn again
// over each of its frames.
void MessageBoxWindow::DrawChildren() {
  for (size_t index = 0; index < mChildren.size(); ++index) {
    mChildren[index]->Draw();
    InvalidateOverlapping(static_cast<int32_t>(index));
  }
}

void MessageBoxWindow::LayOutText() {
  if (mText.empty()) mText = LocalizedString(static_cast<uint32_t>(mTextStringId));
  if (!mpImage) return;
  std::string face;
  GetFontFaceForLanguage(CurrentLanguage(), 0, face);
  GdiFont font(face, kTextFontHeight, 0, 0, 1);
  mpImage->mTextColor = mTextColor;
  Rect area = kTextArea;
  mpImage->DrawBufferText(mText.c_str(), -1, 0, &area, &font);
}

CBackBuffer* MessageBoxWindow::CreateImage(int32_t sizeFromImage) {
  const bool hadImage = mpImage != nullptr;
  CBackBuffer* image = GraphicWindow::CreateImage(sizeFromImage);
  if (image && !hadImage && mInitialized) LayOutText();
  return image;
}

int32_t MessageBoxWindow::DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t) {
  const bool fromButton = code == kControlChanged && sender && sender->mpParent == this && senderId != 0;
  if (fromButton) Answer(static_cast<uint32_t>(senderId));
  return 1;
}

int32_t MessageBoxWindow::OnKeyDown(uint32_t key, uint32_t) {
  if (key == platform::VK_ESCAPE) Answer(EscapeAnswer(mButtons));
  return 1;
}

// The notify target may close the box, or every window, while it hears the answer: the
// deletions wait until the answer is over.
void MessageBoxWindow::Answer(uint32_t button) {
  DispatchBracket bracket;
  if (mpNotify) mpNotify->DoCommand(this, mId, static_cast<int32_t>(button), 0);
  if (mCloseOnAnswer) Close();
}

void MessageBoxWindow::SetTextColor(const uint32_t* color) {
  if (!color) return;
  mTextColor = *color;
  SetDirty(1, 1);
}

void MessageBoxWindow::SetButtonColors(const uint32_t* captionColor, const uint32_t* pressedCaptionColor) {
  if (captionColor) mButtonCaptionColor = *captionColor;
  if (pressedCaptionColor) mButtonPressedCaptionColor = *pressedCaptionColor;
}
