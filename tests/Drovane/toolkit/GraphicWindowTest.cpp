#include <gtest/gtest.h>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/GraphicWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"

using platform::Rect;

namespace {

class GraphicWindowTest : public ToolkitFixture {};

// A window that counts how often its contents were painted.
class CountingWindow : public GraphicWindow {
public:
  using GraphicWindow::GraphicWindow;
  int32_t DrawContents() override {
    ++paints;
    return 0;
  }
  int32_t paints = 0;
};

TEST_F(GraphicWindowTest, AbsoluteRectanglesAddUpThroughParentsWithoutImages) {
  CBackBuffer screen(200, 100);
  auto* root = new ContainerWindow({0, 0, 200, 100}, 0, &screen, nullptr, 1);
  auto* panel = new GraphicWindow({10, 20, 110, 90}, 1, root, nullptr, 1);
  auto* inner = new GraphicWindow({5, 6, 50, 40}, 2, panel, nullptr, 1);
  auto* leaf = new GraphicWindow({1, 2, 11, 12}, 3, inner, nullptr, 1);
  EXPECT_EQ(leaf->mAbsRect, (Rect{16, 28, 26, 38}));
  EXPECT_EQ(leaf->mpTarget, &screen);
  EXPECT_EQ(panel->mAbsRect, (Rect{10, 20, 110, 90}));

  panel->MoveTo(30, 40);
  EXPECT_EQ(leaf->mAbsRect, (Rect{36, 48, 46, 58}));
  delete root;
}

TEST_F(GraphicWindowTest, RootWithoutImageHasNoTarget) {
  auto* root = new GraphicWindow({0, 0, 50, 50}, 0, nullptr, nullptr, 1);
  auto* child = new GraphicWindow({3, 4, 13, 14}, 1, root, nullptr, 1);
  EXPECT_EQ(root->mpTarget, nullptr);
  EXPECT_EQ(child->mpTarget, nullptr);
  EXPECT_EQ(child->mAbsRect, (Rect{3, 4, 13, 14}));
  EXPECT_EQ(child->UpdateAbsoluteRect(), 0);
  delete root;
}

TEST_F(GraphicWindowTest, ImageWindowTakesTheBitmapSizeAndChildrenComposeIntoIt) {
  WritePlainBitmap("panel.bmp", 40, 30, 96);
  CBackBuffer screen(100, 100);
  auto* root = new ContainerWindow({0, 0, 100, 100}, 0, &screen, nullptr, 1);
  auto* panel = new GraphicWindow("panel.bmp", {10, 10, 11, 11}, 1, root, nullptr, 1, -1);
  auto* child = new GraphicWindow({2, 3, 5, 6}, 2, panel, nullptr, 1);
  EXPECT_EQ(panel->mRect, (Rect{10, 10, 50, 40}));
  EXPECT_EQ(child->mpTarget, panel->mpImage);
  EXPECT_EQ(child->mAbsRect, (Rect{2, 3, 5, 6}));

  EXPECT_EQ(root->Draw(), 1);
  EXPECT_EQ(PixelAt(screen, 10, 10), 96);
  EXPECT_EQ(PixelAt(screen, 49, 39), 96);
  EXPECT_EQ(PixelAt(screen, 50, 40), 0);
  delete root;
}

TEST_F(GraphicWindowTest, MissingBitmapGivesAnEmptyWindowAtItsCorner) {
  auto* window = new GraphicWindow("missing.bmp", {7, 8, 100, 100}, 1, nullptr, nullptr, 1, -1);
  ASSERT_NE(window->mpImage, nullptr);
  EXPECT_EQ(window->mRect, (Rect{7, 8, 7, 8}));
  EXPECT_EQ(window->Draw(), 1);
  delete window;
}

TEST_F(GraphicWindowTest, DirtyChildRepaintsItsPathOnly) {
  CBackBuffer screen(100, 100);
  auto* top = new CountingWindow({0, 0, 100, 100}, 1, nullptr, nullptr, 1);
  top->mpTarget = nullptr;
  auto* left = new CountingWindow({0, 0, 50, 50}, 2, top, nullptr, 1);
  auto* right = new CountingWindow({50, 0, 100, 50}, 3, top, nullptr, 1);
  auto* leaf = new CountingWindow({0, 0, 10, 10}, 4, left, nullptr, 1);
  top->Draw();
  EXPECT_EQ(top->paints + left->paints + right->paints + leaf->paints, 4);
  EXPECT_FALSE(top->NeedsRedraw());

  leaf->SetDirty(1, 0);
  EXPECT_TRUE(top->NeedsRedraw());
  EXPECT_TRUE(left->NeedsRedraw());
  EXPECT_FALSE(right->NeedsRedraw());
  top->Draw();
  EXPECT_EQ(top->paints, 2);
  EXPECT_EQ(left->paints, 2);
  EXPECT_EQ(leaf->paints, 2);
  EXPECT_EQ(right->paints, 1);
  delete top;
}

TEST_F(GraphicWindowTest, SetDirtyPropagatesOnlyWhenMarking) {
  auto* top = new GraphicWindow({0, 0, 10, 10}, 1, nullptr, nullptr, 1);
  auto* child = new GraphicWindow({0, 0, 5, 5}, 2, top, nullptr, 1);
  top->SetDirty(0, 1);
  EXPECT_EQ(top->mDirty, 0);
  EXPECT_EQ(child->mDirty, 1);
  child->SetDirty(0, 0);
  top->SetDirty(1, 0);
  EXPECT_EQ(child->mDirty, 0);
  top->SetDirty(1, 1);
  EXPECT_EQ(child->mDirty, 1);
  delete top;
}

TEST_F(GraphicWindowTest, ContainsLocalPointExcludesTheLeftAndTopEdges) {
  GraphicWindow* window = new GraphicWindow({10, 10, 30, 20}, 1, nullptr, nullptr, 1);
  struct Case {
    int32_t x, y;
    bool inside;
  };
  for (const Case& c : {Case{0, 5, false}, Case{5, 0, false}, Case{1, 1, true}, Case{19, 9, true},
                        Case{20, 1, false}, Case{1, 10, false}, Case{-1, 5, false}}) {
    EXPECT_EQ(window->ContainsLocalPoint(c.x, c.y), c.inside) << c.x << ", " << c.y;
  }
  delete window;
}

TEST_F(GraphicWindowTest, CenterOnMovesOnlyTheGivenAxisAndOnlyWhenItChanges) {
  auto* window = new GraphicWindow({10, 20, 31, 41}, 1, nullptr, nullptr, 1);
  window->SetDirty(0, 1);
  window->CenterOn(-1, 50);
  EXPECT_EQ(window->mRect, (Rect{10, 40, 31, 61}));
  window->SetDirty(0, 1);
  window->CenterOn(20, 50);  // 20 - 21 / 2 = 10: already there
  EXPECT_EQ(window->mDirty, 0);
  auto* parent = new GraphicWindow({0, 0, 100, 60}, 2, nullptr, nullptr, 1);
  window->CenterInRect(*parent);
  EXPECT_EQ(window->mRect, (Rect{40, 20, 61, 41}));
  delete window;
  delete parent;
}

TEST_F(GraphicWindowTest, ResizeKeepsASideGivenAsMinusOne) {
  auto* window = new GraphicWindow({10, 20, 30, 40}, 1, nullptr, nullptr, 1);
  window->Resize(-1, 5);
  EXPECT_EQ(window->mRect, (Rect{10, 20, 30, 25}));
  window->Resize(7, -1);
  EXPECT_EQ(window->mRect, (Rect{10, 20, 17, 25}));
  delete window;
}

TEST_F(GraphicWindowTest, InputListMovesAWindowToTheFrontWithoutDuplicating) {
  auto* a = new GraphicWindow({0, 0, 1, 1}, 1, nullptr, nullptr, 1);
  auto* b = new GraphicWindow({0, 0, 1, 1}, 2, nullptr, nullptr, 1);
  GraphicWindow::AddToInputList(a);
  GraphicWindow::AddToInputList(b);
  GraphicWindow::AddToInputList(a);
  EXPECT_EQ(GraphicWindow::listInputWindows, (std::vector<GraphicWindow*>{a, b}));
  delete a;
  EXPECT_EQ(GraphicWindow::listInputWindows, (std::vector<GraphicWindow*>{b}));
  GraphicWindow::RemoveFromInputList(b);
  delete b;
}

TEST_F(GraphicWindowTest, ModalWindowAdmitsOnlyItselfAndItsDescendants) {
  auto* root = new GraphicWindow({0, 0, 100, 100}, 0, nullptr, nullptr, 1);
  auto* dialog = new GraphicWindow({0, 0, 50, 50}, 1, root, nullptr, 1);
  auto* button = new GraphicWindow({0, 0, 5, 5}, 2, dialog, nullptr, 1);
  auto* other = new GraphicWindow({60, 0, 70, 10}, 3, root, nullptr, 1);
  for (GraphicWindow* window : {root, dialog, button, other}) EXPECT_TRUE(window->IsInModalWindow());
  GraphicWindow::AddToModalList(dialog);
  EXPECT_TRUE(dialog->IsInModalWindow());
  EXPECT_TRUE(button->IsInModalWindow());
  EXPECT_FALSE(other->IsInModalWindow());
  EXPECT_FALSE(root->IsInModalWindow());
  delete root;
  EXPECT_TRUE(GraphicWindow::listModalWindows.empty());
}

TEST_F(GraphicWindowTest, KeepRectInsideShiftsIntoTheMarginAndSaysWhetherItFits) {
  auto* window = new GraphicWindow({0, 0, 640, 480}, 1, nullptr, nullptr, 1);
  struct Case {
    Rect in, out;
    int32_t fits;
  };
  for (const Case& c : {Case{{-20, 10, 80, 60}, {5, 10, 105, 60}, 1},
                        Case{{600, 470, 700, 520}, {535, 425, 635, 475}, 1},
                        Case{{10, -3, 30, 7}, {10, 5, 30, 15}, 1},
                        Case{{-10, 0, 690, 50}, {-65, 0, 635, 50}, 0}}) {
    Rect r = c.in;
    EXPECT_EQ(window->KeepRectInside(r), c.fits);
    EXPECT_EQ(r, c.out);
  }
  delete window;
}

TEST_F(GraphicWindowTest, DeleteChildByIdTakesTheFirstOfTwoWithTheSameId) {
  auto* parent = new GraphicWindow({0, 0, 100, 100}, 0, nullptr, nullptr, 1);
  auto* first = new GraphicWindow({0, 0, 5, 5}, 7, parent, nullptr, 1);
  auto* second = new GraphicWindow({0, 0, 5, 5}, 7, parent, nullptr, 1);
  parent->SetDirty(0, 0);
  EXPECT_EQ(parent->DeleteChildById(7), first);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(first));
  EXPECT_EQ(parent->mChildren, std::vector<GraphicWindow*>{second});
  EXPECT_EQ(parent->mDirty, 1);
  EXPECT_EQ(parent->DeleteChildById(99), nullptr);
  delete parent;
}

TEST_F(GraphicWindowTest, FindWindowByIdAndChildSearchOnlyDirectChildren) {
  auto* parent = new GraphicWindow({0, 0, 100, 100}, 1, nullptr, nullptr, 1);
  auto* child = new GraphicWindow({0, 0, 5, 5}, 2, parent, nullptr, 1);
  auto* grandchild = new GraphicWindow({0, 0, 5, 5}, 3, child, nullptr, 1);
  EXPECT_EQ(parent->FindChild(2), child);
  EXPECT_EQ(parent->FindChild(3), nullptr);
  EXPECT_EQ(GraphicWindow::FindWindowById(3), grandchild);
  int32_t x = 0, y = 0;
  EXPECT_EQ(grandchild->GetRootWindow(&x, &y), parent);
  delete parent;
  EXPECT_EQ(GraphicWindow::FindWindowById(3), nullptr);
}

TEST_F(GraphicWindowTest, AWindowDeletedWithoutUnlinkingLeavesItsParent) {
  auto* parent = new GraphicWindow({0, 0, 100, 100}, 1, nullptr, nullptr, 1);
  auto* child = new GraphicWindow({0, 0, 5, 5}, 2, parent, nullptr, 1);
  auto* unadded = new GraphicWindow({0, 0, 5, 5}, 3, parent, nullptr, 0);
  delete child;
  EXPECT_TRUE(parent->mChildren.empty());
  delete parent;
  EXPECT_EQ(unadded->mpParent, nullptr);
  delete unadded;
}

TEST_F(GraphicWindowTest, DroppingAndRebuildingImagesRetargetsTheChildren) {
  WritePlainBitmap("panel.bmp", 40, 30, 96);
  CBackBuffer screen(100, 100);
  auto* root = new ContainerWindow({0, 0, 100, 100}, 0, &screen, nullptr, 1);
  auto* panel = new GraphicWindow("panel.bmp", {10, 10, 11, 11}, 1, root, nullptr, 1, -1);
  auto* label = new GraphicWindow({2, 3, 5, 6}, 2, panel, nullptr, 1);
  root->DestroyImages();
  EXPECT_EQ(root->mpImage, &screen);
  EXPECT_EQ(panel->mpImage, nullptr);
  EXPECT_EQ(label->mpTarget, &screen);
  root->CreateImages();
  EXPECT_NE(panel->mpImage, nullptr);
  EXPECT_EQ(label->mpTarget, panel->mpImage);
  delete root;
}

TEST_F(GraphicWindowTest, DrawFrameOutlinesTheWindowInTheTarget) {
  CBackBuffer screen(20, 20);
  auto* root = new ContainerWindow({0, 0, 20, 20}, 0, &screen, nullptr, 1);
  auto* box = new GraphicWindow({2, 3, 8, 9}, 1, root, nullptr, 1);
  const uint32_t white = 0xFFFFFF;
  box->DrawFrame(&white);
  const auto rows = PixelRows(screen);
  EXPECT_EQ(rows[3][2], 255);
  EXPECT_EQ(rows[3][8], 255);
  EXPECT_EQ(rows[9][2], 255);
  EXPECT_EQ(rows[9][8], 255);
  EXPECT_EQ(rows[5][5], 0);
  EXPECT_EQ(rows[2][2], 0);
  delete root;
}

}  // namespace
