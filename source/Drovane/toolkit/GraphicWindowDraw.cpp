#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/GraphicWindow.h"

// A window's image, its place in the target image and its drawing.

void GraphicWindow::CreateImages() {
  CreateImage(1);
  UpdateAbsoluteRect();
  for (GraphicWindow* child : mChildren) child->CreateImages();
}

void GraphicWindow::DestroyImages() {
  DestroyImage();
  for (GraphicWindow* child : mChildren) child->DestroyImages();
}

CBackBuffer* GraphicWindow::CreateImage(int32_t sizeFromImage) {
  if (mpImage || mImageFileName.empty()) return mpImage;
  ResolveImagePath();
  mpImage = new CBackBuffer(mImagePath.c_str());
  mOwnsImage = 1;
  if (sizeFromImage) {
    mRect.right = mRect.left + mpImage->mWidth;
    mRect.bottom = mRect.top + mpImage->mHeight;
    if (mTransparentIndex != -1) mpImage->SetTransparentColor(true, mTransparentIndex);
  }
  // Windows below that had no image to compose into now have this one.
  for (GraphicWindow* child : mChildren) child->UpdateAbsoluteRects();
  return mpImage;
}

// The windows below that composed into the deleted image look for their target again,
// so none keeps a pointer to it.
void GraphicWindow::DestroyImage() {
  if (!mpImage || !mOwnsImage) return;
  delete mpImage;
  mpImage = nullptr;
  for (GraphicWindow* child : mChildren) child->UpdateAbsoluteRects();
}

int32_t GraphicWindow::Draw() {
  if (!mVisible) return 0;
  if (NeedsRedraw()) {
    SetDirty(0, 1);
    DrawContents();
    DrawChildren();
  }
  ComposeImage();
  return 1;
}

void GraphicWindow::ComposeImage() {
  if (!mpImage || !mpTarget) return;
  mpImage->Compose(mpTarget, mAbsRect.left, mAbsRect.top, 0, 0, mpImage->mWidth, mpImage->mHeight);
}

// A window with no image above it has no target: a stale one could point at an image
// that has been deleted since.
int32_t GraphicWindow::UpdateAbsoluteRect() {
  platform::Rect rect = mRect;
  for (GraphicWindow* ancestor = mpParent; ancestor; ancestor = ancestor->mpParent) {
    if (CBackBuffer* image = ancestor->GetImage()) {
      mpTarget = image;
      mAbsRect = rect;
      return 1;
    }
    rect = {rect.left + ancestor->mRect.left, rect.top + ancestor->mRect.top, rect.right + ancestor->mRect.left,
            rect.bottom + ancestor->mRect.top};
  }
  mAbsRect = mRect;
  mpTarget = nullptr;
  return 0;
}

void GraphicWindow::UpdateAbsoluteRects() {
  UpdateAbsoluteRect();
  for (GraphicWindow* child : mChildren) child->UpdateAbsoluteRects();
}

void GraphicWindow::SetTransparentIndex(int32_t index) {
  mTransparentIndex = index;
  if (!mpImage) return;
  mpImage->SetTransparentColor(index != -1, index);
}

void GraphicWindow::DrawFrame(const uint32_t* color) {
  if (!mpTarget) return;
  if (color) mpTarget->mPenColor = *color;
  const int32_t l = mAbsRect.left;
  const int32_t t = mAbsRect.top;
  const int32_t r = mAbsRect.right;
  const int32_t b = mAbsRect.bottom;
  mpTarget->DrawLine(l, t, r, t, 1);
  mpTarget->DrawLine(l, t, l, b, 1);
  mpTarget->DrawLine(r, t, r, b + 1, 1);
  mpTarget->DrawLine(l, b, r + 1, b, 1);
}

void GraphicWindow::DrawChildren() {
  if (!mVisible) return;
  for (size_t index = 0; index < mChildren.size(); ++index) mChildren[index]->Draw();
}

int32_t GraphicWindow::DrawContents() { return 0; }

bool GraphicWindow::NeedsRedraw() const {
  if (mDirty) return true;
  for (const GraphicWindow* child : mChildren) {
    if (child->NeedsRedraw()) return true;
  }
  return false;
}
