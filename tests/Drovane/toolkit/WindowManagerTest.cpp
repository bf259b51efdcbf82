#include <gtest/gtest.h>

#include <memory>

#include <functional>

#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/DispatchBracket.h"
#include "Drovane/toolkit/ToolkitFixture.h"

namespace {

struct Event {
  int32_t window;
  int32_t kind;
  int32_t x, y, buttons;
  bool operator==(const Event&) const = default;
};

// A window that logs every input handler call and answers with `answer`; an optional
// action runs inside the handler.
class LoggingWindow : public GraphicWindow {
public:
  LoggingWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, std::vector<Event>& log)
      : GraphicWindow(rect, id, parent, nullptr, 1), mLog(log) {}
  int32_t OnKeyDown(uint32_t key, uint32_t flags) override { return Log(10, static_cast<int32_t>(key), static_cast<int32_t>(flags), 0); }
  int32_t OnKeyUp(uint32_t key, uint32_t flags) override { return Log(11, static_cast<int32_t>(key), static_cast<int32_t>(flags), 0); }
  int32_t OnChar(uint32_t c) override { return Log(12, static_cast<int32_t>(c), 0, 0); }
  int32_t OnMouseDown(int32_t x, int32_t y, int32_t b) override { return Log(kMouseDown, x, y, b); }
  int32_t OnMouseUp(int32_t x, int32_t y, int32_t b) override { return Log(kMouseUp, x, y, b); }
  int32_t OnMouseMove(int32_t x, int32_t y) override { return Log(kMouseMove, x, y, 0); }

  int32_t answer = 1;
  std::function<void()> action;

private:
  int32_t Log(int32_t kind, int32_t x, int32_t y, int32_t buttons) {
    mLog.push_back({mId, kind, x, y, buttons});
    int32_t result = answer;
    if (action) action();
    return result;
  }
  std::vector<Event>& mLog;
};

class WindowManagerTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    screen = std::make_unique<CBackBuffer>(640, 480);
    root = new ContainerWindow({0, 0, 640, 480}, 0, screen.get(), nullptr, 1);
    manager.SetRootWindow(root);
  }
  void TearDown() override {
    delete root;
    screen.reset();
    ToolkitFixture::TearDown();
  }
  LoggingWindow* Make(const platform::Rect& rect, int32_t id, GraphicWindow* parent = nullptr) {
    return new LoggingWindow(rect, id, parent ? parent : root, log);
  }

  // Made once the display is up.
  std::unique_ptr<CBackBuffer> screen;
  ContainerWindow* root = nullptr;
  std::vector<Event> log;
};

TEST_F(WindowManagerTest, KeysGoToTheFirstVisibleInputWindowOnly) {
  LoggingWindow* older = Make({0, 0, 10, 10}, 1);
  LoggingWindow* newer = Make({0, 0, 10, 10}, 2);
  EXPECT_EQ(manager.OnKeyDown(65, 2), 0);  // nobody in the list
  GraphicWindow::AddToInputList(older);
  GraphicWindow::AddToInputList(newer);
  newer->answer = 0;
  EXPECT_EQ(manager.OnKeyDown(65, 2), 0);  // the first takes it, even unhandled
  newer->mVisible = 0;
  EXPECT_EQ(manager.OnKeyUp(66, 4), 1);
  EXPECT_EQ(manager.OnChar('x'), 1);
  EXPECT_EQ(log, (std::vector<Event>{{2, 10, 65, 2, 0}, {1, 11, 66, 4, 0}, {1, 12, 'x', 0, 0}}));
  GraphicWindow::RemoveFromInputList(older);
  GraphicWindow::RemoveFromInputList(newer);
}

TEST_F(WindowManagerTest, HiddenInputWindowsLeaveKeysToNobody) {
  LoggingWindow* window = Make({0, 0, 10, 10}, 1);
  GraphicWindow::AddToInputList(window);
  window->mVisible = 0;
  EXPECT_EQ(manager.OnKeyDown(13, 0), 0);
  EXPECT_TRUE(log.empty());
  GraphicWindow::RemoveFromInputList(window);
}

TEST_F(WindowManagerTest, KeyHandlerClosingItsWindowFreesItAfterTheHandler) {
  LoggingWindow* window = Make({0, 0, 10, 10}, 1);
  GraphicWindow::AddToInputList(window);
  int32_t closeResult = 0;
  bool liveAfterClose = false;
  window->action = [&] {
    closeResult = manager.DeleteWindow(window);
    liveAfterClose = GraphicWindow::IsValidWindow(window);
  };
  EXPECT_EQ(manager.OnKeyDown(27, 0), 1);
  EXPECT_EQ(closeResult, 2);
  EXPECT_TRUE(liveAfterClose);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(window));
  EXPECT_TRUE(root->mChildren.empty());
}

TEST_F(WindowManagerTest, ClickGoesToTheTopmostVisibleSiblingInItsCoordinates) {
  Make({10, 10, 100, 100}, 1);
  LoggingWindow* upper = Make({50, 50, 150, 150}, 2);
  EXPECT_EQ(manager.OnMouseDown(60, 70, 2), 1);
  upper->mVisible = 0;
  EXPECT_EQ(manager.OnMouseUp(60, 70, 1), 1);
  manager.OnMouseMove(120, 120);  // only the hidden window is there: the root gets it
  EXPECT_EQ(log, (std::vector<Event>{{2, kMouseDown, 10, 20, 2}, {1, kMouseUp, 50, 60, 1}}));
}

TEST_F(WindowManagerTest, ClickOnAChildIsNotPassedOnWhenItDeclines) {
  LoggingWindow* parent = Make({0, 0, 200, 200}, 1);
  LoggingWindow* child = Make({10, 10, 20, 20}, 2, parent);
  child->answer = 0;
  EXPECT_EQ(manager.OnMouseDown(15, 15, 1), 0);
  EXPECT_EQ(log, (std::vector<Event>{{2, kMouseDown, 5, 5, 1}}));
}

TEST_F(WindowManagerTest, CaptureGetsEveryMouseEventInItsOwnCoordinates) {
  LoggingWindow* panel = Make({100, 100, 200, 200}, 1);
  LoggingWindow* holder = Make({10, 10, 20, 20}, 2, panel);
  Make({0, 0, 50, 50}, 3);
  ASSERT_EQ(holder->CaptureMouse(holder), 1);
  EXPECT_EQ(panel->CaptureMouse(panel), 0);
  manager.OnMouseDown(5, 5, 1);
  manager.OnMouseMove(600, 400);
  EXPECT_EQ(holder->ReleaseMouse(panel), 0);
  EXPECT_EQ(holder->ReleaseMouse(holder), 1);
  EXPECT_EQ(log, (std::vector<Event>{{2, kMouseDown, -105, -105, 1}, {2, kMouseMove, 490, 290, 0}}));
}

TEST_F(WindowManagerTest, ModalWindowShutsOutClicksElsewhere) {
  LoggingWindow* dialog = Make({100, 100, 200, 200}, 1);
  LoggingWindow* button = Make({10, 10, 20, 20}, 2, dialog);
  Make({0, 0, 50, 50}, 3);
  GraphicWindow::AddToModalList(dialog);
  EXPECT_EQ(manager.OnMouseDown(10, 10, 1), 0);
  EXPECT_EQ(manager.OnMouseDown(300, 300, 1), 0);  // the root is outside the modal window too
  EXPECT_EQ(manager.OnMouseDown(115, 115, 1), 1);
  EXPECT_EQ(log, (std::vector<Event>{{2, kMouseDown, 5, 5, 1}}));
  (void)button;
  GraphicWindow::RemoveFromModalList(dialog);
}

TEST_F(WindowManagerTest, DeleteOutsideADispatchIsImmediateAndMarksTheParent) {
  LoggingWindow* parent = Make({0, 0, 100, 100}, 1);
  LoggingWindow* child = Make({0, 0, 10, 10}, 2, parent);
  parent->SetDirty(0, 0);
  EXPECT_EQ(child->Close(), 1);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(child));
  EXPECT_EQ(parent->mDirty, 1);
  EXPECT_EQ(manager.DeleteWindowNow(child), 0);
}

TEST_F(WindowManagerTest, DeletionsInsideNestedBracketsWaitForTheOutermost) {
  LoggingWindow* parent = Make({0, 0, 100, 100}, 1);
  LoggingWindow* child = Make({0, 0, 10, 10}, 2, parent);
  {
    DispatchBracket outer;
    {
      DispatchBracket inner;
      EXPECT_EQ(manager.DeleteWindow(child), 2);
      EXPECT_EQ(manager.DeleteWindow(child), 2);
      EXPECT_EQ(manager.DeleteWindow(parent), 2);
    }
    EXPECT_TRUE(GraphicWindow::IsValidWindow(child));
    // The child's ancestor is queued: nothing more to queue.
    EXPECT_TRUE(manager.IsQueuedForDeletion(child));
    EXPECT_EQ(manager.mDeleteQueue.size(), 2u);
  }
  EXPECT_FALSE(GraphicWindow::IsValidWindow(child));
  EXPECT_FALSE(GraphicWindow::IsValidWindow(parent));
  EXPECT_TRUE(manager.mDeleteQueue.empty());
}

TEST_F(WindowManagerTest, AWindowNoLongerLiveIsNeverQueued) {
  LoggingWindow* window = Make({0, 0, 10, 10}, 1);
  root->DeleteChild(window);
  DispatchBracket bracket;
  EXPECT_EQ(manager.DeleteWindow(window), 0);
  EXPECT_TRUE(manager.mDeleteQueue.empty());
}

TEST_F(WindowManagerTest, AWindowDestroyedAnotherWayLeavesTheQueue) {
  LoggingWindow* parent = Make({0, 0, 100, 100}, 1);
  LoggingWindow* child = Make({0, 0, 10, 10}, 2, parent);
  {
    DispatchBracket bracket;
    manager.DeleteWindow(child);
    ASSERT_EQ(manager.mDeleteQueue.size(), 1u);
    root->RemoveChild(parent);
    delete parent;
    EXPECT_TRUE(manager.mDeleteQueue.empty());
  }
}

TEST_F(WindowManagerTest, ADetachedWindowIsStillDeleted) {
  LoggingWindow* parent = Make({0, 0, 100, 100}, 1);
  LoggingWindow* child = Make({0, 0, 10, 10}, 2, parent);
  child->DetachFromParent();
  EXPECT_EQ(child->mpParent, nullptr);
  EXPECT_TRUE(parent->mChildren.empty());
  EXPECT_EQ(manager.DeleteWindow(child), 1);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(child));
}

TEST_F(WindowManagerTest, DeletingAChildDuringADispatchUnlinksItAtOnceAndFreesItAfter) {
  LoggingWindow* parent = Make({0, 0, 100, 100}, 1);
  LoggingWindow* child = Make({0, 0, 10, 10}, 2, parent);
  {
    DispatchBracket bracket;
    EXPECT_EQ(parent->DeleteChild(child), 1);
    EXPECT_TRUE(parent->mChildren.empty());
    EXPECT_TRUE(GraphicWindow::IsValidWindow(child));
  }
  EXPECT_FALSE(GraphicWindow::IsValidWindow(child));
}

// A window that closes itself while it is drawn, and notes whether it was still live after.
class SelfClosingWindow : public GraphicWindow {
public:
  SelfClosingWindow(GraphicWindow* parent, bool& liveAfterClose)
      : GraphicWindow({0, 0, 10, 10}, 1, parent, nullptr, 1), mLiveAfterClose(liveAfterClose) {}
  int32_t DrawContents() override {
    Close();
    mLiveAfterClose = IsValidWindow(this);
    return 1;
  }

private:
  bool& mLiveAfterClose;
};

TEST_F(WindowManagerTest, DrawWindowsDrawsTheRootAndDefersDeletions) {
  bool liveAfterClose = false;
  auto* window = new SelfClosingWindow(root, liveAfterClose);
  EXPECT_EQ(manager.DrawWindows(), 1);
  EXPECT_TRUE(liveAfterClose);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(window));
  root->mVisible = 0;
  EXPECT_EQ(manager.DrawWindows(), 0);
}

TEST_F(WindowManagerTest, ManagerGoingClearsTheGlobal) {
  {
    WindowManager other;
    EXPECT_EQ(theWindowManager, &other);
  }
  EXPECT_EQ(theWindowManager, nullptr);
  theWindowManager = &manager;
}

}  // namespace
