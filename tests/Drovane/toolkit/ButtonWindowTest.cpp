#include <gtest/gtest.h>

#include <memory>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ButtonWindow.h"
#include "Drovane/toolkit/CheckBoxWindow.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "Drovane/toolkit/RadioButtonWindow.h"
#include "Drovane/toolkit/RadioGroupWindow.h"
#include "Drovane/toolkit/ToolkitFixture.h"

using platform::Rect;

namespace {

// Frames filled with their own colour: push button 100-102, check box 110-113, radio 120-123.
class ButtonWindowTest : public ToolkitFixture {
protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    WriteNumberedStrip("button.bmp", 10, 8, 3, 100);
    WriteNumberedStrip("check.bmp", 6, 6, 4, 110);
    WriteNumberedStrip("radio.bmp", 6, 6, 4, 120);
    screen = std::make_unique<CBackBuffer>(100, 100);
    root = new ContainerWindow({0, 0, 100, 100}, 0, screen.get(), nullptr, 1);
    manager.SetRootWindow(root);
  }
  void TearDown() override {
    delete root;
    screen.reset();
    ToolkitFixture::TearDown();
  }

  template <class Control>
  Control* Make(int32_t x, int32_t y, int32_t id = 1) {
    auto* control = new Control({x, y, x + 1, y + 1}, id, root, nullptr, &owner, 1);
    control->Initialize();
    return control;
  }
  RadioButtonWindow* MakeRadio(RadioGroupWindow* group, int32_t x, int32_t y, int32_t id) {
    auto* radio = new RadioButtonWindow(group, {x, y, x + 1, y + 1}, id, root, nullptr, &owner, 1);
    radio->Initialize();
    return radio;
  }
  // The colour the control shows after a draw.
  uint8_t Shown(GraphicWindow* control) {
    control->SetDirty(1, 1);
    control->Draw();
    return PixelAt(*screen, control->mAbsRect.left + 1, control->mAbsRect.top + 1);
  }
  static intptr_t StateAddress(ButtonWindow* button) { return reinterpret_cast<intptr_t>(&button->mState); }

  // Made once the display is up.
  std::unique_ptr<CBackBuffer> screen;
  ContainerWindow* root = nullptr;
  RecordingReceiver owner;
};

TEST_F(ButtonWindowTest, ControlsAreOneFrameWideWithTheDefaultColourKey) {
  WritePlainBitmap("wide.bmp", 240, 32, 7);
  WritePlainBitmap("wide-check.bmp", 100, 25, 7);
  auto* button = new ButtonWindow({3, 4, 5, 6}, 1, root, "wide.bmp", nullptr, 1);
  auto* check = new CheckBoxWindow({0, 0, 1, 1}, 2, root, "wide-check.bmp", nullptr, 1);
  EXPECT_EQ(button->mImageFileName, "wide.bmp");
  button->Initialize();
  check->Initialize();
  EXPECT_EQ(button->mRect, (Rect{3, 4, 83, 36}));
  EXPECT_EQ(check->Width(), 25);
  EXPECT_EQ(button->mCaptionFontHeight, 20);
  EXPECT_EQ(button->mTransparentIndex, kControlTransparentIndex);
  EXPECT_TRUE(button->mpImage->mTransparent);
  EXPECT_EQ(ButtonWindow().mImageFileName, "button.bmp");
  EXPECT_EQ(CheckBoxWindow().mImageFileName, "check.bmp");
  EXPECT_EQ(RadioButtonWindow().mImageFileName, "radio.bmp");
}

TEST_F(ButtonWindowTest, EachStateShowsItsFrame) {
  auto* button = Make<ButtonWindow>(0, 0);
  auto* check = Make<CheckBoxWindow>(20, 0);
  auto* radio = MakeRadio(nullptr, 40, 0, 3);
  EXPECT_EQ(Shown(button), 101);
  button->SetState(kButtonDown);
  EXPECT_EQ(Shown(button), 102);
  button->Disable();
  EXPECT_EQ(Shown(button), 100);

  for (ButtonWindow* control : std::initializer_list<ButtonWindow*>{check, radio}) {
    const uint8_t first = control == check ? 110 : 120;
    EXPECT_EQ(Shown(control), first + 2);
    control->SetState(kButtonDown);
    EXPECT_EQ(Shown(control), first + 3);
    control->Disable();
    EXPECT_EQ(Shown(control), first + 1);
    control->SetState(kButtonUp);
    EXPECT_EQ(Shown(control), first + 0);
  }
}

TEST_F(ButtonWindowTest, CleanButtonIsNotComposedAgain) {
  auto* button = Make<ButtonWindow>(0, 0);
  Shown(button);
  screen->FillRect(0, nullptr);
  button->Draw();
  EXPECT_EQ(PixelAt(*screen, 1, 1), 0);
}

TEST_F(ButtonWindowTest, PressDragOutAndBackThenReleaseNotifiesOnce) {
  auto* button = Make<ButtonWindow>(10, 10, 7);
  EXPECT_EQ(manager.OnMouseDown(15, 15, 2), 1);
  EXPECT_EQ(GraphicWindow::captureWindow, button);
  EXPECT_EQ(button->GetState(), kButtonDown);
  manager.OnMouseMove(50, 50);
  EXPECT_EQ(button->GetState(), kButtonUp);
  manager.OnMouseMove(12, 12);
  EXPECT_EQ(button->GetState(), kButtonDown);
  EXPECT_TRUE(owner.commands.empty());
  EXPECT_EQ(manager.OnMouseUp(12, 12, 2), 1);
  EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  EXPECT_EQ(button->GetState(), kButtonUp);
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].sender, button);
  EXPECT_EQ(owner.commands[0].id, 7);
  EXPECT_EQ(owner.commands[0].code, kControlChanged);
  EXPECT_EQ(owner.commands[0].value, 0);
}

TEST_F(ButtonWindowTest, ReleaseOutsideOrOnTheTopLeftEdgeSendsNothing) {
  auto* button = Make<ButtonWindow>(10, 10);
  for (const platform::Point& release : {platform::Point{60, 60}, platform::Point{10, 15}, platform::Point{15, 10}}) {
    manager.OnMouseDown(15, 15, 1);
    manager.OnMouseUp(release.x, release.y, 1);
    EXPECT_EQ(button->GetState(), kButtonUp);
  }
  EXPECT_TRUE(owner.commands.empty());
}

TEST_F(ButtonWindowTest, DisabledControlsTakeNoPresses) {
  auto* button = Make<ButtonWindow>(0, 0);
  auto* check = Make<CheckBoxWindow>(20, 0);
  button->Disable();
  check->Disable();
  EXPECT_EQ(manager.OnMouseDown(2, 2, 1), 0);
  EXPECT_EQ(manager.OnMouseDown(22, 2, 1), 0);
  EXPECT_EQ(button->OnMouseDown(2, 2, 1), 0);
  EXPECT_EQ(check->OnMouseDown(2, 2, 1), 0);
  EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  EXPECT_EQ(check->GetState(), kButtonUp);
  EXPECT_TRUE(owner.commands.empty());
}

TEST_F(ButtonWindowTest, CheckBoxNotifiesOnEveryChangeAndOnlyThen) {
  auto* check = Make<CheckBoxWindow>(0, 0, 5);
  manager.OnMouseDown(2, 2, 1);
  manager.OnMouseUp(2, 2, 1);
  EXPECT_EQ(check->GetState(), kButtonDown);
  EXPECT_EQ(GraphicWindow::captureWindow, nullptr);
  manager.OnMouseDown(2, 2, 1);
  EXPECT_EQ(check->GetState(), kButtonUp);
  check->SetState(kButtonUp);  // no change
  check->SetState(kButtonDown);
  ASSERT_EQ(owner.commands.size(), 3u);
  for (const auto& command : owner.commands) {
    EXPECT_EQ(command.sender, check);
    EXPECT_EQ(command.id, 5);
    EXPECT_EQ(command.code, kControlChanged);
    EXPECT_EQ(command.value, StateAddress(check));
  }
}

TEST_F(ButtonWindowTest, ChangeFromInsideItsOwnNotificationIsIgnored) {
  auto* check = Make<CheckBoxWindow>(0, 0);
  owner.action = [check](GraphicWindow*) { check->SetState(kButtonUp); };
  check->SetState(kButtonDown);
  EXPECT_EQ(check->GetState(), kButtonDown);
  EXPECT_EQ(owner.commands.size(), 1u);
}

TEST_F(ButtonWindowTest, RadioButtonNotifiesGroupThenOwnerOnTurningOnOnly) {
  RecordingReceiver groupOwner;
  auto* group = new RadioGroupWindow(9, root, &groupOwner, 1);
  auto* first = MakeRadio(group, 0, 0, 1);
  auto* second = MakeRadio(group, 10, 0, 2);
  EXPECT_EQ(group->mButtons, (std::vector<RadioButtonWindow*>{first, second}));
  manager.OnMouseDown(12, 2, 1);
  EXPECT_EQ(second->GetState(), kButtonDown);
  EXPECT_EQ(first->GetState(), kButtonUp);
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].sender, second);
  EXPECT_EQ(owner.commands[0].value, StateAddress(second));
  ASSERT_EQ(groupOwner.commands.size(), 1u);
  EXPECT_EQ(groupOwner.commands[0].sender, group);
  EXPECT_EQ(groupOwner.commands[0].value, reinterpret_cast<intptr_t>(second));

  manager.OnMouseDown(12, 2, 1);  // already on
  EXPECT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(groupOwner.commands.size(), 1u);

  manager.OnMouseDown(2, 2, 1);  // the other turns off silently
  EXPECT_EQ(second->GetState(), kButtonUp);
  ASSERT_EQ(owner.commands.size(), 2u);
  EXPECT_EQ(owner.commands[1].sender, first);
}

TEST_F(ButtonWindowTest, RadioGroupSelectsByPositionIdOrButtonAndNotifiesOnce) {
  RecordingReceiver groupOwner;
  auto* group = new RadioGroupWindow(9, root, &groupOwner, 1);
  EXPECT_EQ(group->GetSelectedIndex(), -1);
  std::vector<RadioButtonWindow*> buttons;
  for (int32_t i = 0; i < 3; ++i) buttons.push_back(MakeRadio(group, 10 * i, 0, 20 + i));
  EXPECT_EQ(group->GetSelectedIndex(), -1);
  EXPECT_FALSE(group->HasSelection());

  group->SelectIndex(1);
  EXPECT_EQ(group->GetSelectedIndex(), 1);
  ASSERT_EQ(groupOwner.commands.size(), 1u);
  EXPECT_EQ(groupOwner.commands[0].value, reinterpret_cast<intptr_t>(buttons[1]));
  RadioButtonWindow* found = nullptr;
  EXPECT_EQ(group->FindSelected(&found), 1);
  EXPECT_EQ(found, buttons[1]);

  group->SelectById(22);
  EXPECT_EQ(group->GetSelectedIndex(), 2);
  group->SelectButton(buttons[2]);  // no button notification, but the group's
  EXPECT_EQ(groupOwner.commands.size(), 3u);
  EXPECT_EQ(owner.commands.size(), 2u);

  group->SelectIndex(7);
  EXPECT_EQ(group->GetSelectedIndex(), -1);
  found = nullptr;
  EXPECT_EQ(group->FindSelected(&found), 0);
  EXPECT_EQ(found, nullptr);
}

TEST_F(ButtonWindowTest, RadioGroupMembershipAndMutualForgetting) {
  auto* group = new RadioGroupWindow(9, root, nullptr, 1);
  auto* radio = MakeRadio(nullptr, 0, 0, 1);
  radio->SetGroup(group);
  radio->SetGroup(group);
  group->AddButton(radio);
  EXPECT_EQ(group->mButtons.size(), 1u);
  EXPECT_EQ(radio->LeaveGroup(), 1);
  EXPECT_EQ(radio->LeaveGroup(), 0);
  group->RemoveButton(radio);
  EXPECT_TRUE(group->mButtons.empty());

  radio->SetGroup(group);
  root->DeleteChild(radio);
  EXPECT_TRUE(group->mButtons.empty());
  auto* survivor = MakeRadio(group, 0, 0, 2);
  root->DeleteChild(group);
  EXPECT_EQ(survivor->mpGroup, nullptr);
  manager.OnMouseDown(2, 2, 1);
  EXPECT_EQ(survivor->GetState(), kButtonDown);
}

TEST_F(ButtonWindowTest, AGroupGoneBeforeItsButtonJoinedLeavesNoPointerUsed) {
  auto* group = new RadioGroupWindow(9, root, nullptr, 1);
  auto* radio = new RadioButtonWindow(group, {0, 0, 1, 1}, 1, root, nullptr, &owner, 1);
  root->DeleteChild(group);
  radio->Initialize();
  manager.OnMouseDown(2, 2, 1);
  EXPECT_EQ(radio->GetState(), kButtonDown);
  EXPECT_EQ(owner.commands.size(), 1u);
}

TEST_F(ButtonWindowTest, HiddenGroupLetsClicksThrough) {
  auto* check = Make<CheckBoxWindow>(0, 0);
  auto* group = new RadioGroupWindow(9, root, nullptr, 1);
  EXPECT_EQ(group->mRect, (Rect{0, 0, 1, 1}));
  EXPECT_EQ(group->mVisible, 0);
  EXPECT_EQ(root->mChildren.back(), group);
  manager.OnMouseDown(0, 0, 1);
  EXPECT_EQ(check->GetState(), kButtonDown);
}

}  // namespace
