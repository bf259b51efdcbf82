#include "Drovane/toolkit/GraphicWindow.h"

#include <algorithm>

#include "Drovane/DataPaths.h"
#include "Drovane/toolkit/WindowManager.h"

// Construction, the global lists, geometry and the base input handlers of a window.

using platform::Rect;

std::array<int32_t, 9> WindowColors = {0, 248, 7, 255, 1, 4, 2, 6, -1};
int32_t& GraphicWindow::defaultTransparentIndex = WindowColors[kTransparentEntry];

namespace {

void RemoveEvery(std::vector<GraphicWindow*>& list, const GraphicWindow* window) {
  std::erase(list, window);
}

void MoveToFront(std::vector<GraphicWindow*>& list, GraphicWindow* window) {
  RemoveEvery(list, window);
  list.insert(list.begin(), window);
}

}  // namespace

GraphicWindow::GraphicWindow() { listValidWindows.push_back(this); }

GraphicWindow::GraphicWindow(const Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                             int32_t addToParent)
    : mId(id), mRect(rect), mAbsRect(rect), mpNotify(notify), mpParent(parent) {
  listValidWindows.push_back(this);
  if (addToParent && parent) parent->AddChild(this);
  UpdateAbsoluteRect();
}

GraphicWindow::GraphicWindow(const char* imageFileName, const Rect& rect, int32_t id, GraphicWindow* parent,
                             CommandReceiver* notify, int32_t addToParent, int32_t transparentIndex)
    : GraphicWindow(rect, id, parent, notify, addToParent) {
  mImageFileName = imageFileName ? imageFileName : "";
  mTransparentIndex = transparentIndex;
  ResolveImagePath();
  CreateImage(1);
  UpdateAbsoluteRect();
}

// A window deleted without being unlinked leaves its live parent too, and a deletion
// still queued for it is forgotten, so nothing keeps a pointer to the freed window.
// Its children are deleted at once, whatever dispatch is running.
GraphicWindow::~GraphicWindow() {
  RemoveEvery(listValidWindows, this);
  ReleaseMouse(this);
  RemoveFromInputList(this);
  RemoveFromModalList(this);
  if (theWindowManager) theWindowManager->ForgetWindow(this);
  if (mpParent && IsValidWindow(mpParent)) std::erase(mpParent->mChildren, this);
  // Windows made with this parent but never added to it keep no pointer to it either.
  for (GraphicWindow* window : listValidWindows) {
    if (window->mpParent == this && !std::count(mChildren.begin(), mChildren.end(), window)) window->mpParent = nullptr;
  }
  DestroyChildren();
  DestroyImage();
}

int32_t GraphicWindow::DoCommand(GraphicWindow*, int32_t, int32_t, intptr_t) { return 0; }

int32_t GraphicWindow::Initialize() { return 1; }

int32_t GraphicWindow::Notify(int32_t code, intptr_t value) {
  if (!mpNotify) return 0;
  return mpNotify->DoCommand(this, mId, code, value);
}

void GraphicWindow::SetUserValue(int32_t value) { mUserValue = value; }

void GraphicWindow::SetDirty(int32_t dirty, int32_t propagate) {
  mDirty = dirty;
  if (!dirty || !propagate) return;
  for (GraphicWindow* child : mChildren) child->SetDirty(1, 1);
}

void GraphicWindow::MoveTo(int32_t x, int32_t y) {
  mRect = {x, y, x + Width(), y + Height()};
  UpdateAbsoluteRects();
  SetDirty(1, 1);
}

void GraphicWindow::Resize(int32_t width, int32_t height) {
  if (width != -1) mRect.right = mRect.left + width;
  if (height != -1) mRect.bottom = mRect.top + height;
  UpdateAbsoluteRects();
  SetDirty(1, 1);
}

void GraphicWindow::CenterOn(int32_t x, int32_t y) {
  if (x != -1) {
    const int32_t left = x - Width() / 2;
    if (left != mRect.left) MoveTo(left, mRect.top);
  }
  if (y != -1) {
    const int32_t top = y - Height() / 2;
    if (top != mRect.top) MoveTo(mRect.left, top);
  }
}

void GraphicWindow::CenterInRect(const GraphicWindow& window) { CenterOn(window.Width() / 2, window.Height() / 2); }

void GraphicWindow::SetPosition(const platform::Point& point) {
  mRect = {point.x, point.y, point.x + Width(), point.y + Height()};
}

void GraphicWindow::SetCaption(const std::string& caption) {
  mCaption = caption;
  SetDirty(1, 1);
}

void GraphicWindow::SetParent(GraphicWindow* window) { mpParent = window; }

int32_t GraphicWindow::Close() {
  if (!theWindowManager) {
    // Without a manager nothing is being dispatched: the window goes at once.
    if (mpParent && IsValidWindow(mpParent) && mpParent->DeleteChild(this)) return 1;
    delete this;
    return 1;
  }
  theWindowManager->DeleteWindow(this);
  return 1;
}

bool GraphicWindow::IsAncestorOrSelf(const GraphicWindow* window) const {
  for (const GraphicWindow* walk = window; walk; walk = walk->mpParent) {
    if (walk == this) return true;
  }
  return false;
}

bool GraphicWindow::IsInModalWindow() const {
  if (listModalWindows.empty()) return true;
  return listModalWindows.front()->IsAncestorOrSelf(this);
}

int32_t GraphicWindow::OnChar(uint32_t) { return 0; }
int32_t GraphicWindow::OnKeyDown(uint32_t, uint32_t) { return 0; }
int32_t GraphicWindow::OnKeyUp(uint32_t, uint32_t) { return 0; }
int32_t GraphicWindow::OnMouseDown(int32_t, int32_t, int32_t) { return 0; }
int32_t GraphicWindow::OnMouseUp(int32_t, int32_t, int32_t) { return 1; }
int32_t GraphicWindow::OnMouseMove(int32_t, int32_t) { return 0; }

int32_t GraphicWindow::CaptureMouse(GraphicWindow* window) {
  if (captureWindow) return 0;
  captureWindow = window;
  return 1;
}

int32_t GraphicWindow::ReleaseMouse(GraphicWindow* window) {
  if (!window || captureWindow != window) return 0;
  captureWindow = nullptr;
  return 1;
}

GraphicWindow* GraphicWindow::GetRootWindow(int32_t* x, int32_t* y) {
  GraphicWindow* window = this;
  for (; window->mpParent; window = window->mpParent) {
    *x += window->mRect.left;
    *y += window->mRect.top;
  }
  return window;
}

void GraphicWindow::ScreenToWindow(int32_t* x, int32_t* y) {
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  GetRootWindow(&offsetX, &offsetY);
  *x -= offsetX;
  *y -= offsetY;
}

bool GraphicWindow::ContainsLocalPoint(int32_t x, int32_t y) const {
  return x > 0 && x < Width() && y > 0 && y < Height();
}

CBackBuffer* GraphicWindow::GetImage() const { return mpImage; }

void GraphicWindow::ResolveImagePath() {
  mImagePath.clear();
  if (mImageFileName.empty()) return;
  gDataPaths.GetPathString(kDataBitmaps, 0, mImageFileName, mImagePath);
}

bool GraphicWindow::IsValidWindow(const GraphicWindow* window) {
  if (!window) return false;
  return std::find(listValidWindows.begin(), listValidWindows.end(), window) != listValidWindows.end();
}

GraphicWindow* GraphicWindow::FindWindowById(int32_t id) {
  for (GraphicWindow* window : listValidWindows) {
    if (window->mId == id) return window;
  }
  return nullptr;
}

int32_t GraphicWindow::AddToInputList(GraphicWindow* window) {
  MoveToFront(listInputWindows, window);
  return 1;
}

int32_t GraphicWindow::AddToModalList(GraphicWindow* window) {
  MoveToFront(listModalWindows, window);
  return 1;
}

int32_t GraphicWindow::RemoveFromInputList(GraphicWindow* window) {
  RemoveEvery(listInputWindows, window);
  return 1;
}

int32_t GraphicWindow::RemoveFromModalList(GraphicWindow* window) {
  RemoveEvery(listModalWindows, window);
  return 1;
}

// The right and bottom shifts come after the left and top ones, so a rectangle larger
// than the window ends up past the left or top edge; the result says it does not fit.
int32_t GraphicWindow::KeepRectInside(Rect& r) const {
  const int32_t width = Width();
  const int32_t height = Height();
  auto shift = [&r](int32_t dx, int32_t dy) { r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; };
  if (r.left < 0) shift(5 - r.left, 0);
  if (r.top < 0) shift(0, 5 - r.top);
  if (r.right > width) shift(width - 5 - r.right, 0);
  if (r.bottom > height) shift(0, height - 5 - r.bottom);
  return width >= r.Width() + 5 && height >= r.Height() + 5 ? 1 : 0;
}
