#include "Drovane/toolkit/SliderWindow.h"

#include <algorithm>

#include "Drovane/BackBuffer.h"
#include "Drovane/DataPaths.h"
#include "Drovane/toolkit/DispatchBracket.h"

namespace {

const char* DefaultThumb(int32_t vertical) { return vertical ? "slidertv.bmp" : "sliderth.bmp"; }
const char* DefaultTrack(int32_t vertical) { return vertical ? "sliderbv.bmp" : "sliderbh.bmp"; }

}  // namespace

int32_t ScaleInt(int32_t a, int32_t b, int32_t c) {
  return static_cast<int32_t>(static_cast<int64_t>(a) * b / c);
}

SliderWindow::SliderWindow() = default;

SliderWindow::SliderWindow(const platform::Rect& rect, int32_t id, int32_t vertical, GraphicWindow* parent,
                           CommandReceiver* notify, int32_t addToParent, const char* thumbFileName,
                           const char* trackFileName, int32_t endMargin)
    : GraphicWindow(rect, id, parent, notify, addToParent),
      mVertical(vertical),
      mEndMargin(endMargin),
      mTrackFileName(trackFileName ? trackFileName : DefaultTrack(vertical)) {
  mImageFileName = thumbFileName ? thumbFileName : DefaultThumb(vertical);
}

// The base destructor only reaches the base's DestroyImage: the track image goes here.
SliderWindow::~SliderWindow() {
  delete mpTrackImage;
  mpTrackImage = nullptr;
}

int32_t SliderWindow::Initialize() {
  GraphicWindow::Initialize();
  mTransparentIndex = defaultTransparentIndex;
  const CBackBuffer* thumb = CreateImage(0);
  if (mpTrackImage) Resize(mpTrackImage->mWidth, mpTrackImage->mHeight);
  Layout();
  return thumb ? 1 : 0;
}

CBackBuffer* SliderWindow::CreateImage(int32_t) {
  CBackBuffer* image = GraphicWindow::CreateImage(0);
  if (image && mTransparentIndex != -1) image->SetTransparentColor(true, mTransparentIndex);
  if (!mTrackFileName.empty() && !mpTrackImage) LoadTrackImage();
  return image;
}

// A track file that is missing or damaged leaves the slider without a track image, so it
// draws the plain track and keeps its rectangle.
void SliderWindow::LoadTrackImage() {
  std::string path;
  gDataPaths.GetPathString(kDataBitmaps, 0, mTrackFileName, path);
  auto* track = new CBackBuffer(path.c_str());
  if (track->mWidth <= 0 || track->mHeight <= 0) {
    delete track;
    return;
  }
  if (mTransparentIndex != -1) track->SetTransparentColor(true, mTransparentIndex);
  mpTrackImage = track;
}

void SliderWindow::DestroyImage() {
  GraphicWindow::DestroyImage();
  delete mpTrackImage;
  mpTrackImage = nullptr;
}

int32_t SliderWindow::Draw() {
  if (!mVisible) return 0;
  if (!mDirty) return 1;
  SetDirty(0, 1);
  if (!mpTarget) return 1;
  if (mpTrackImage) {
    ComposeAt(mpTrackImage, 0, 0);
  } else {
    DrawPlainTrack();
  }
  ComposeAt(mpImage, mThumbRect.left, mThumbRect.top);
  return 1;
}

// A slider without a track image: a filled rectangle with a line along its middle, framed.
void SliderWindow::DrawPlainTrack() {
  const platform::Rect& r = mAbsRect;
  mpTarget->FillRect(static_cast<uint32_t>(WindowColors[kSliderColorEntry]), &r);
  if (mVertical) {
    mpTarget->DrawLine(r.left + Width() / 2, r.top + mEndMargin, r.right - Width() / 2, r.bottom - mEndMargin, 1);
  } else {
    const int32_t y = r.top + Height() / 2;
    mpTarget->DrawLine(r.left + mEndMargin, y, r.right - mEndMargin, y, 1);
  }
  DrawFrame(nullptr);
}

void SliderWindow::ComposeAt(CBackBuffer* image, int32_t x, int32_t y) {
  if (!image || !mpTarget) return;
  image->Compose(mpTarget, mAbsRect.left + x, mAbsRect.top + y, 0, 0, image->mWidth, image->mHeight);
}

void SliderWindow::MoveTo(int32_t x, int32_t y) {
  GraphicWindow::MoveTo(x, y);
  Layout();
}

void SliderWindow::Resize(int32_t width, int32_t height) {
  GraphicWindow::Resize(width, height);
  Layout();
}

// The owner may close the slider from its notification: the bracket keeps it alive until
// the handler is done with it.
int32_t SliderWindow::OnMouseDown(int32_t x, int32_t y, int32_t) {
  DispatchBracket bracket;
  CaptureMouse(this);
  MoveValueToPoint(x, y);
  AddToInputList(this);
  return 1;
}

int32_t SliderWindow::OnMouseMove(int32_t x, int32_t y) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  MoveValueToPoint(x, y);
  return 1;
}

int32_t SliderWindow::OnMouseUp(int32_t x, int32_t y, int32_t) {
  if (captureWindow != this) return 1;
  DispatchBracket bracket;
  ReleaseMouse(this);
  MoveValueToPoint(x, y);
  return 1;
}

void SliderWindow::MoveValueToPoint(int32_t x, int32_t y) {
  int32_t value = mValue;
  ValueFromPoint(value, x, y);
  SetValue(value);
}

int32_t SliderWindow::ValueFromPoint(int32_t& value, int32_t x, int32_t y) {
  const int32_t travel = mPositionAtMaximum - mPositionAtMinimum;
  if (travel == 0) {
    value = mMinimum;
    return 1;
  }
  int32_t p = mVertical ? y : x;
  p = std::max(p, mEndMargin);
  p = std::min(p, TrackLength() - mEndMargin);
  value = mMinimum + ScaleInt(p - mPositionAtMinimum, mMaximum - mMinimum, travel);
  return 1;
}

void SliderWindow::PlaceThumb() {
  mThumbPosition = mMaximum == mMinimum
                       ? mPositionAtMinimum
                       : mPositionAtMinimum + ScaleInt(mValue - mMinimum, mPositionAtMaximum - mPositionAtMinimum,
                                                       mMaximum - mMinimum);
  const int32_t thumbWidth = GetThumbWidth();
  const int32_t thumbHeight = GetThumbHeight();
  if (mVertical) {
    const int32_t left = Width() / 2 - thumbWidth / 2;
    mThumbRect = {left, mThumbPosition, left + thumbWidth, mThumbPosition + thumbHeight};
  } else {
    const int32_t top = Height() / 2 - thumbHeight / 2;
    mThumbRect = {mThumbPosition, top, mThumbPosition + thumbWidth, top + thumbHeight};
  }
}

void SliderWindow::Layout() {
  if (mVertical) {
    mPositionAtMinimum = Height() - GetThumbHeight() - mEndMargin;
    mPositionAtMaximum = mEndMargin;
  } else {
    mPositionAtMinimum = mEndMargin;
    mPositionAtMaximum = Width() - GetThumbWidth() - mEndMargin;
  }
  PlaceThumb();
}

int32_t SliderWindow::GetThumbWidth() const { return mpImage ? mpImage->mWidth : 0; }

int32_t SliderWindow::GetThumbHeight() const { return mpImage ? mpImage->mHeight : 0; }

void SliderWindow::SetValue(int32_t value) {
  if (mInSetValue) return;
  if (value == mValue) return;
  DispatchBracket bracket;
  mInSetValue = 1;
  value = std::min(value, mMaximum);
  value = std::max(value, mMinimum);
  mValue = value;
  SetDirty(1, 1);
  PlaceThumb();
  Notify(kControlChanged, reinterpret_cast<intptr_t>(&mValue));
  mInSetValue = 0;
}

void SliderWindow::SetMinimum(int32_t value) {
  mMinimum = value;
  SetDirty(1, 1);
  Layout();
}

void SliderWindow::SetMaximum(int32_t value) {
  mMaximum = value;
  SetDirty(1, 1);
  Layout();
}
