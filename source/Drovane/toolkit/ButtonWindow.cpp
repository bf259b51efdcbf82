#include "Drovane/toolkit/ButtonWindow.h"

#include "Drovane/BackBuffer.h"
#include "Drovane/Languages.h"
#include "Drovane/toolkit/DispatchBracket.h"

namespace {

constexpr const char* kButtonBitmap = "button.bmp";
// The caption's font is this much lower than the button.
constexpr int32_t kCaptionMargin = 12;
// The caption's top inside its frame.
constexpr int32_t kCaptionTop = 5;

}  // namespace

ButtonWindow::ButtonWindow() { mImageFileName = kButtonBitmap; }

ButtonWindow::ButtonWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, const char* bitmapFileName,
                           CommandReceiver* notify, int32_t addToParent)
    : GraphicWindow(rect, id, parent, notify, addToParent) {
  mImageFileName = bitmapFileName ? bitmapFileName : kButtonBitmap;
}

int32_t ButtonWindow::Initialize() {
  mTransparentIndex = defaultTransparentIndex;
  CreateImage(1);
  return 1;
}

CBackBuffer* ButtonWindow::CreateImage(int32_t) {
  CBackBuffer* image = GraphicWindow::CreateImage(1);
  if (!image) return nullptr;
  mRect.right = mRect.left + image->mWidth / GetFrameCount();
  UpdateAbsoluteRect();
  mCaptionFontHeight = Height() - kCaptionMargin;
  if (!mCaption.empty()) DrawCaptions(*image);
  return image;
}

// The caption goes into the disabled, up and pressed frames (the third shifted by the
// pressed offsets); a fourth frame stays without one. A button too low for a font of
// positive height gets no caption.
void ButtonWindow::DrawCaptions(CBackBuffer& image) {
  if (mCaptionFontHeight <= 0) return;
  std::string face;
  GetFontFaceForLanguage(CurrentLanguage(), 0, face);
  GdiFont font(face, mCaptionFontHeight, 0, 0, 1);
  const int32_t w = FrameWidth();
  const int32_t h = Height();
  platform::Rect frames[3] = {{0, kCaptionTop, w, h},
                              {w, kCaptionTop, 2 * w, h},
                              {2 * w + mPressedOffsetX, kCaptionTop + mPressedOffsetY, 3 * w + mPressedOffsetX,
                               h + mPressedOffsetY}};
  for (int32_t frame = 0; frame < 3; ++frame) {
    image.mTextColor = frame < 2 ? mCaptionColor : mPressedCaptionColor;
    image.DrawBufferText(mCaption.c_str(), -1, kTextCenter, &frames[frame], &font);
  }
}

int32_t ButtonWindow::FrameWidth() const { return Width(); }

int32_t ButtonWindow::FrameIndex() const { return mEnabled ? mState : 0; }

int32_t ButtonWindow::Draw() {
  if (!mVisible || !mDirty) return 1;
  SetDirty(0, 1);
  if (!mpImage || !mpTarget) return 1;
  const int32_t x = FrameIndex() * FrameWidth();
  mpImage->Compose(mpTarget, mAbsRect.left, mAbsRect.top, x, 0, x + FrameWidth(), Height());
  return 1;
}

bool ButtonWindow::IsInModalWindow() const { return GraphicWindow::IsInModalWindow() && mEnabled; }

int32_t ButtonWindow::OnMouseDown(int32_t, int32_t, int32_t) {
  if (!mEnabled) return 0;
  DispatchBracket bracket;
  CaptureMouse(this);
  SetState(kButtonDown);
  return 1;
}

int32_t ButtonWindow::OnMouseMove(int32_t x, int32_t y) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  SetState(ContainsLocalPoint(x, y) ? kButtonDown : kButtonUp);
  SetDirty(1, 1);
  return 1;
}

// The owner hears of the press last, when nothing of the button is touched any more.
int32_t ButtonWindow::OnMouseUp(int32_t x, int32_t y, int32_t) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  ReleaseMouse(this);
  SetState(kButtonUp);
  if (ContainsLocalPoint(x, y)) Notify(kControlChanged, 0);
  return 1;
}

int32_t ButtonWindow::GetFrameCount() const { return 3; }

bool ButtonWindow::ChangeState(int32_t state) {
  if (state == mState) return false;
  mState = state;
  SetDirty(1, 1);
  return true;
}

void ButtonWindow::SetState(int32_t state) { ChangeState(state); }

int32_t ButtonWindow::GetState() const { return mState; }

void ButtonWindow::Enable() {
  mEnabled = 1;
  SetDirty(1, 1);
}

void ButtonWindow::Disable() {
  mEnabled = 0;
  SetDirty(1, 1);
}

void ButtonWindow::SetCaptionColors(const uint32_t* captionColor, const uint32_t* pressedCaptionColor) {
  if (captionColor) mCaptionColor = *captionColor;
  if (pressedCaptionColor) mPressedCaptionColor = *pressedCaptionColor;
}
