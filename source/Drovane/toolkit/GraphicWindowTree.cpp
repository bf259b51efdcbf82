#include <algorithm>

#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "Drovane/toolkit/WindowManager.h"

// A window's children: adding, finding, unlinking and deleting them. While a dispatch is
// running (an event, a draw, a notification), a deleted child is unlinked at once and
// freed when the outermost dispatch ends, so the code that notified can still finish.

namespace {

bool Dispatching() { return theWindowManager && theWindowManager->mDispatchDepth > 0; }

}  // namespace

int32_t GraphicWindow::AddChild(GraphicWindow* window) {
  mChildren.push_back(window);
  window->UpdateAbsoluteRects();
  SetDirty(1, 1);
  return 1;
}

bool GraphicWindow::UnlinkChild(GraphicWindow* window) {
  auto entry = std::find(mChildren.begin(), mChildren.end(), window);
  if (entry == mChildren.end()) return false;
  mChildren.erase(entry);
  if (!IsValidWindow(window)) return true;
  if (window->mpParent == this) window->mpParent = nullptr;
  window->UpdateAbsoluteRects();
  return true;
}

int32_t GraphicWindow::DeleteChild(GraphicWindow* window) {
  if (!UnlinkChild(window)) return 0;
  if (!IsValidWindow(window)) {
    // Only unlinked: it was freed another way.
  } else if (Dispatching()) {
    theWindowManager->DeleteWindow(window);
  } else {
    DispatchBracket bracket;
    delete window;
  }
  SetDirty(1, 1);
  return 1;
}

GraphicWindow* GraphicWindow::DeleteChildById(int32_t id) {
  GraphicWindow* child = FindChild(id);
  if (child) DeleteChild(child);
  return child;
}

int32_t GraphicWindow::RemoveChild(GraphicWindow* window) { return UnlinkChild(window) ? 1 : 0; }

void GraphicWindow::DeleteAllChildren() {
  if (!Dispatching()) {
    DestroyChildren();
    return;
  }
  while (!mChildren.empty()) {
    GraphicWindow* child = mChildren.front();
    UnlinkChild(child);
    if (IsValidWindow(child)) theWindowManager->DeleteWindow(child);
  }
}

void GraphicWindow::DestroyChildren() {
  DispatchBracket bracket;
  std::vector<GraphicWindow*> children = std::move(mChildren);
  mChildren.clear();
  for (GraphicWindow* child : children) {
    if (!IsValidWindow(child)) continue;
    if (child->mpParent == this) child->mpParent = nullptr;
    delete child;
  }
}

void GraphicWindow::RemoveAllChildren() {
  while (!mChildren.empty()) UnlinkChild(mChildren.front());
}

void GraphicWindow::DetachFromParent() {
  if (mpParent) mpParent->RemoveChild(this);
}

GraphicWindow* GraphicWindow::FindChild(int32_t id) const {
  for (GraphicWindow* child : mChildren) {
    if (child->mId == id) return child;
  }
  return nullptr;
}

void GraphicWindow::InvalidateChildren(int32_t propagate) {
  for (GraphicWindow* child : mChildren) child->SetDirty(1, propagate);
}

namespace {

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

// Each child marked here may cover later children in turn, so the marking goes on from
// it; every child is visited once, in list order.
void GraphicWindow::InvalidateOverlapping(int32_t position) {
  if (position < 0 || position >= static_cast<int32_t>(mChildren.size())) return;
  std::vector<platform::Rect> marked{mChildren[static_cast<size_t>(position)]->mRect};
  for (size_t index = static_cast<size_t>(position) + 1; index < mChildren.size(); ++index) {
    GraphicWindow* child = mChildren[index];
    if (child->mNoOverlapInvalidate) continue;
    bool covered = std::any_of(marked.begin(), marked.end(),
                               [child](const platform::Rect& rect) { return Overlap(rect, child->mRect); });
    if (!covered) continue;
    child->SetDirty(1, 1);
    marked.push_back(child->mRect);
  }
}
