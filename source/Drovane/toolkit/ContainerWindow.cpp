#include "Drovane/toolkit/ContainerWindow.h"

ContainerWindow* theRootWindow = nullptr;

ContainerWindow::ContainerWindow(const platform::Rect& rect, int32_t id, CBackBuffer* buffer, CommandReceiver* notify,
                                 int32_t addToParent)
    : GraphicWindow(rect, id, nullptr, notify, addToParent), mpBorrowedBuffer(buffer) {
  mpImage = buffer;
  mOwnsImage = 0;
  mpTarget = nullptr;
}

// The buffer is forgotten before the base destructor runs, so it survives; the children
// are deleted by the base.
ContainerWindow::~ContainerWindow() {
  mpImage = nullptr;
  mpBorrowedBuffer = nullptr;
  if (theRootWindow == this) theRootWindow = nullptr;
}

CBackBuffer* ContainerWindow::CreateImage(int32_t) {
  if (!mpImage) mpImage = mpBorrowedBuffer;
  mOwnsImage = 0;
  return mpImage;
}

int32_t ContainerWindow::Draw() {
  if (!mVisible) return 0;
  for (size_t index = 0; index < mChildren.size(); ++index) {
    GraphicWindow* child = mChildren[index];
    child->mDirty = 1;
    child->Draw();
  }
  return 1;
}

int32_t ContainerWindow::DrawContents() { return 1; }
