#include "Drovane/toolkit/WindowManager.h"

#include <algorithm>

#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/GraphicWindow.h"

WindowManager* theWindowManager = nullptr;

namespace {

// Shared by every manager: a flush never runs inside another.
int32_t gFlushDepth = 0;

}  // namespace

WindowManager::WindowManager(GraphicWindow* root) : mpRootWindow(root) { theWindowManager = this; }

WindowManager::~WindowManager() {
  mDeleteQueue.clear();
  if (theWindowManager == this) theWindowManager = nullptr;
}

void WindowManager::SetRootWindow(GraphicWindow* window) { mpRootWindow = window; }

// A window that is not live is never queued: its address may belong to a new window by
// the time the queue is flushed.
int32_t WindowManager::DeleteWindow(GraphicWindow* window) {
  if (mDispatchDepth > 0) {
    if (!IsValidWindow(window)) return 0;
    if (!IsQueuedForDeletion(window)) mDeleteQueue.push_back(window);
    return 2;
  }
  mDispatchDepth = 0;
  DeleteWindowNow(window);
  return 1;
}

// A window without a live parent that still lists it (a detached window, or one whose
// parent let it go) is deleted by itself.
int32_t WindowManager::DeleteWindowNow(GraphicWindow* window) {
  if (!IsValidWindow(window)) return 0;
  GraphicWindow* parent = window->mpParent;
  if (parent && IsValidWindow(parent) && parent->DeleteChild(window)) return 1;
  DispatchBracket bracket(this);
  delete window;
  return 1;
}

int32_t WindowManager::FlushDeletedWindows() {
  if (gFlushDepth > 0) return 0;
  ++gFlushDepth;
  // Deleting a window may queue others (its destructor closes windows) or take queued
  // ones with it (its descendants leave the queue as they are destroyed).
  while (mDispatchDepth <= 0 && !mDeleteQueue.empty()) {
    GraphicWindow* window = mDeleteQueue.front();
    mDeleteQueue.erase(mDeleteQueue.begin());
    DeleteWindowNow(window);
  }
  --gFlushDepth;
  return 1;
}

void WindowManager::ForgetWindow(const GraphicWindow* window) { std::erase(mDeleteQueue, window); }

bool WindowManager::IsValidWindow(const GraphicWindow* window) const { return GraphicWindow::IsValidWindow(window); }

bool WindowManager::IsQueuedForDeletion(const GraphicWindow* window) const {
  for (const GraphicWindow* walk = window; walk; walk = walk->mpParent) {
    if (std::find(mDeleteQueue.begin(), mDeleteQueue.end(), walk) != mDeleteQueue.end()) return true;
  }
  return false;
}

int32_t WindowManager::BeginDispatch() { return ++mDispatchDepth; }

int32_t WindowManager::EndDispatch() { return --mDispatchDepth; }

void WindowManager::EndDispatchAndFlush() {
  if (EndDispatch() > 0) return;
  mDispatchDepth = 0;
  FlushDeletedWindows();
}

int32_t WindowManager::DispatchKey(int32_t (GraphicWindow::*handler)(uint32_t, uint32_t), uint32_t key,
                                   uint32_t flags) {
  DispatchBracket bracket(this);
  for (GraphicWindow* window : GraphicWindow::listInputWindows) {
    if (!window->mVisible) continue;
    return (window->*handler)(key, flags);
  }
  return 0;
}

int32_t WindowManager::OnKeyDown(uint32_t key, uint32_t flags) {
  return DispatchKey(&GraphicWindow::OnKeyDown, key, flags);
}

int32_t WindowManager::OnKeyUp(uint32_t key, uint32_t flags) { return DispatchKey(&GraphicWindow::OnKeyUp, key, flags); }

int32_t WindowManager::OnChar(uint32_t character) {
  DispatchBracket bracket(this);
  for (GraphicWindow* window : GraphicWindow::listInputWindows) {
    if (window->mVisible) return window->OnChar(character);
  }
  return 0;
}

int32_t WindowManager::OnMouseDown(int32_t x, int32_t y, int32_t buttons) {
  return DispatchMouse(kMouseDown, x, y, buttons);
}

int32_t WindowManager::OnMouseUp(int32_t x, int32_t y, int32_t buttons) {
  return DispatchMouse(kMouseUp, x, y, buttons);
}

int32_t WindowManager::OnMouseMove(int32_t x, int32_t y) { return DispatchMouse(kMouseMove, x, y, 0); }

// Bracketed like the keys, so a handler that closes its own window or dialog returns
// before anything is freed.
int32_t WindowManager::DispatchMouse(int32_t kind, int32_t x, int32_t y, int32_t buttons) {
  DispatchBracket bracket(this);
  if (GraphicWindow* capture = GraphicWindow::captureWindow) {
    capture->ScreenToWindow(&x, &y);
    return CallMouseHandler(capture, kind, x, y, buttons);
  }
  return RouteMouseEvent(mpRootWindow, kind, x, y, buttons);
}

int32_t WindowManager::CallMouseHandler(GraphicWindow* window, int32_t kind, int32_t x, int32_t y, int32_t buttons) {
  switch (kind) {
    case kMouseDown: return window->OnMouseDown(x, y, buttons);
    case kMouseUp: return window->OnMouseUp(x, y, buttons);
    case kMouseMove: return window->OnMouseMove(x, y);
    default: return 0;
  }
}

int32_t WindowManager::RouteMouseEvent(GraphicWindow* window, int32_t kind, int32_t x, int32_t y, int32_t buttons) {
  if (!window) return 0;
  DispatchBracket bracket(this);
  for (auto child = window->mChildren.rbegin(); child != window->mChildren.rend(); ++child) {
    const GraphicWindow* taker = *child;
    if (!taker->mVisible) continue;
    const platform::Rect& r = taker->mRect;
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
    return RouteMouseEvent(*child, kind, x - r.left, y - r.top, buttons);
  }
  if (!window->IsInModalWindow()) return 0;
  return CallMouseHandler(window, kind, x, y, buttons);
}

int32_t WindowManager::DrawWindows() {
  if (!mpRootWindow) return 0;
  DispatchBracket bracket(this);
  return mpRootWindow->Draw();
}
