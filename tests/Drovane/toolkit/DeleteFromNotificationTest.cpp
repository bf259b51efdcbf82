#include <gtest/gtest.h>

#include <memory>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ButtonWindow.h"
#include "Drovane/toolkit/CheckBoxWindow.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/RadioButtonWindow.h"
#include "Drovane/toolkit/RadioGroupWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"

namespace {

// How the owner deletes the dialog: as a window closing, through the manager, or by its parent.
enum class Deletion { kClose, kDeleteWindow, kDeleteChild };

// A dialog whose owner deletes it from inside a control's notification, the way a game
// screen closes a box on its OK button. Under AddressSanitizer any touch of the freed
// controls fails the test.
class DeleteFromNotificationTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    WriteNumberedStrip("button.bmp", 10, 8, 3, 100);
    WriteNumberedStrip("check.bmp", 6, 6, 4, 110);
    WriteNumberedStrip("radio.bmp", 6, 6, 4, 120);
    screen = std::make_unique<CBackBuffer>(200, 200);
    root = new ContainerWindow({0, 0, 200, 200}, 0, screen.get(), nullptr, 1);
    manager.SetRootWindow(root);
  }
  void TearDown() override {
    delete root;
    screen.reset();
    ToolkitFixture::TearDown();
  }

  // A modal dialog with a push button, a check box and a group of three radio buttons.
  void BuildDialog() {
    radios.clear();
    dialog = new GraphicWindow({50, 50, 150, 150}, 1, root, nullptr, 1);
    GraphicWindow::AddToInputList(dialog);
    GraphicWindow::AddToModalList(dialog);
    button = Add(new ButtonWindow({0, 0, 1, 1}, 2, dialog, nullptr, &owner, 1));
    check = Add(new CheckBoxWindow({20, 0, 1, 1}, 3, dialog, nullptr, &owner, 1));
    group = new RadioGroupWindow(4, dialog, &owner, 1);
    for (int32_t i = 0; i < 3; ++i) {
      radios.push_back(Add(new RadioButtonWindow(group, {10 * i, 20, 1, 1}, 5 + i, dialog, nullptr, &owner, 1)));
    }
  }

  template <class Control>
  Control* Add(Control* control) {
    control->Initialize();
    return control;
  }

  // The owner deletes the dialog on the first notification from `from`.
  void DeleteDialogOn(GraphicWindow* from, Deletion how) {
    owner.action = [this, from, how](GraphicWindow* sender) {
      if (sender != from || !GraphicWindow::IsValidWindow(dialog)) return;
      switch (how) {
        case Deletion::kClose: dialog->Close(); break;
        case Deletion::kDeleteWindow: manager.DeleteWindow(dialog); break;
        case Deletion::kDeleteChild: root->DeleteChild(dialog); break;
      }
    };
  }

  void ExpectDialogGone() {
    EXPECT_FALSE(GraphicWindow::IsValidWindow(dialog));
    EXPECT_TRUE(root->mChildren.empty());
    EXPECT_EQ(GraphicWindow::listValidWindows, std::vector<GraphicWindow*>{root});
  }

  // Made once the display is up.
  std::unique_ptr<CBackBuffer> screen;
  ContainerWindow* root = nullptr;
  GraphicWindow* dialog = nullptr;
  ButtonWindow* button = nullptr;
  CheckBoxWindow* check = nullptr;
  RadioGroupWindow* group = nullptr;
  std::vector<RadioButtonWindow*> radios;
  RecordingReceiver owner;
};

constexpr Deletion kEveryDeletion[] = {Deletion::kClose, Deletion::kDeleteWindow, Deletion::kDeleteChild};

TEST_F(DeleteFromNotificationTest, PushButtonByTheMouse) {
  for (Deletion how : kEveryDeletion) {
    BuildDialog();
    DeleteDialogOn(button, how);
    manager.OnMouseDown(52, 52, 1);
    EXPECT_EQ(manager.OnMouseUp(53, 53, 1), 1);
    ExpectDialogGone();
    EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  }
}

TEST_F(DeleteFromNotificationTest, CheckBoxByTheMouseAndByAProgram) {
  for (Deletion how : kEveryDeletion) {
    BuildDialog();
    DeleteDialogOn(check, how);
    manager.OnMouseDown(72, 52, 1);
    ExpectDialogGone();
    BuildDialog();
    DeleteDialogOn(check, how);
    check->SetState(kButtonDown);
    ExpectDialogGone();
  }
}

TEST_F(DeleteFromNotificationTest, RadioGroupAndItsButtonsByTheMouseAndByAProgram) {
  for (Deletion how : kEveryDeletion) {
    BuildDialog();
    DeleteDialogOn(group, how);
    manager.OnMouseDown(62, 72, 1);
    ExpectDialogGone();
    BuildDialog();
    DeleteDialogOn(radios[0], how);
    group->SelectIndex(0);
    ExpectDialogGone();
    BuildDialog();
    DeleteDialogOn(group, how);
    group->SelectById(7);
    ExpectDialogGone();
  }
}

TEST_F(DeleteFromNotificationTest, KeyHandlerOfTheDialogClosingIt) {
  // A dialog that closes on any key.
  class ClosingDialog : public GraphicWindow {
  public:
    using GraphicWindow::GraphicWindow;
    int32_t OnKeyDown(uint32_t, uint32_t) override {
      Close();
      mId = 99;  // still live: its deletion waits for the key dispatch to end
      return 1;
    }
  };
  auto* closing = new ClosingDialog({0, 0, 10, 10}, 9, root, nullptr, 1);
  GraphicWindow::AddToInputList(closing);
  EXPECT_EQ(manager.OnKeyDown(27, 0), 1);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(closing));
  EXPECT_TRUE(GraphicWindow::listInputWindows.empty());
}

}  // namespace
