#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/toolkit/ContainerWindow.h"
#include "platform/VirtualKeys.h"
#include "screens/AnimStripWindow.h"
#include "screens/MessageBoxButtons.h"
#include "screens/MessageBoxWindow.h"
#include "screens/ScreensFixture.h"
#include "screens/SoundPushButton.h"

using platform::Rect;

namespace {

constexpr int32_t kBoxId = 2014;

class MessageBoxWindowTest : public ScreensFixture {
protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    WritePlainBitmap("MBox.bmp", 420, 320, 21);
    WriteNumberedStrip("MBoxl.bmp", 149, 93, 3, 130);
    root = std::make_unique<ContainerWindow>(Rect{0, 0, 640, 480}, 0, &screen, nullptr, 1);
    manager.SetRootWindow(root.get());
  }
  void TearDown() override {
    manager.SetRootWindow(nullptr);
    root.reset();
    ScreensFixture::TearDown();
  }

  MessageBoxWindow* Open(uint32_t buttons, const char* strip = "MBoxl.bmp") {
    auto* box = new MessageBoxWindow({0, 0, 0, 0}, buttons, std::string("Sure?"), kBoxId, root.get(), &owner, 1, 1,
                                     nullptr, nullptr, strip);
    box->Initialize();
    box->CenterInRect(*root);
    return box;
  }
  static std::vector<SoundPushButton*> Buttons(MessageBoxWindow& box) {
    std::vector<SoundPushButton*> buttons;
    for (GraphicWindow* child : box.mChildren) {
      if (auto* button = dynamic_cast<SoundPushButton*>(child)) buttons.push_back(button);
    }
    return buttons;
  }
  // A press and release of the mouse in the middle of a window, through the manager.
  void Click(GraphicWindow& window) {
    int32_t x = window.Width() / 2, y = window.Height() / 2;
    window.GetRootWindow(&x, &y);
    manager.OnMouseDown(x, y, 1);
    manager.OnMouseUp(x, y, 1);
  }

  CBackBuffer screen{640, 480};
  std::unique_ptr<ContainerWindow> root;
  RecordingReceiver owner;
};

struct ButtonSetCase {
  const char* name;
  uint32_t buttons;
  std::vector<uint32_t> shown;
  std::vector<const char*> captions;
  uint32_t escape;
};

void PrintTo(const ButtonSetCase& c, std::ostream* os) { *os << c.name; }

class ButtonSetTest : public MessageBoxWindowTest, public testing::WithParamInterface<ButtonSetCase> {};

TEST_P(ButtonSetTest, ShowsItsButtonsInPlaceAndEscapeAnswersAShownOne) {
  const ButtonSetCase& c = GetParam();
  MessageBoxWindow* box = Open(c.buttons);
  std::vector<SoundPushButton*> buttons = Buttons(*box);
  ASSERT_EQ(buttons.size(), c.shown.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(static_cast<uint32_t>(buttons[i]->mId), c.shown[i]);
    EXPECT_EQ(buttons[i]->mCaption, c.captions[i]);
    const int32_t left = buttons.size() == 1 ? 244 : (i == 0 ? 194 : 294);
    EXPECT_EQ(buttons[i]->mRect, (Rect{left, 256, left + 10, 264}));
  }
  EXPECT_EQ(manager.OnKeyDown(platform::VK_ESCAPE, 0), 1);
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].sender, box);
  EXPECT_EQ(owner.commands[0].id, kBoxId);
  EXPECT_EQ(static_cast<uint32_t>(owner.commands[0].code), c.escape);
  EXPECT_FALSE(GraphicWindow::IsValidWindow(box));
}

// Escape answers a shown button: Cancel, No or Abort when one is shown, else the first.
INSTANTIATE_TEST_SUITE_P(
    Sets, ButtonSetTest,
    testing::Values(ButtonSetCase{"None", 0, {kBoxOk}, {"OK"}, kBoxOk},
                    ButtonSetCase{"Ok", kBoxOk, {kBoxOk}, {"OK"}, kBoxOk},
                    ButtonSetCase{"OkCancel", kBoxOk | kBoxCancel, {kBoxOk, kBoxCancel}, {"OK", "Cancel"}, kBoxCancel},
                    ButtonSetCase{"YesNo", kBoxYes | kBoxNo, {kBoxYes, kBoxNo}, {"Yes", "No"}, kBoxNo},
                    ButtonSetCase{"YesNoAbort", kBoxYes | kBoxNo | kBoxAbort, {kBoxYes, kBoxNo}, {"Yes", "No"}, kBoxNo},
                    ButtonSetCase{"OkYes", kBoxOk | kBoxYes, {kBoxOk, kBoxYes}, {"OK", "Yes"}, kBoxOk},
                    ButtonSetCase{"RetryAbort", kBoxRetry | kBoxAbort, {kBoxRetry, kBoxAbort}, {"Retry", "Abort"}, kBoxAbort},
                    ButtonSetCase{"AbortAlone", kBoxAbort, {kBoxAbort}, {"Abort"}, kBoxAbort},
                    ButtonSetCase{"NoButtonBits", 0x80008, {kBoxOk}, {"OK"}, kBoxOk}),
    [](const testing::TestParamInfo<ButtonSetCase>& info) { return std::string(info.param.name); });

TEST_F(MessageBoxWindowTest, EachButtonAnswersWithItsBitAndTheBoxGoes) {
  for (uint32_t pressed : {kBoxYes, kBoxNo}) {
    owner.commands.clear();
    MessageBoxWindow* box = Open(kBoxYes | kBoxNo);
    GraphicWindow* button = box->FindChild(static_cast<int32_t>(pressed));
    ASSERT_NE(button, nullptr);
    Click(*button);
    ASSERT_EQ(owner.commands.size(), 1u);
    EXPECT_EQ(owner.commands[0].id, kBoxId);
    EXPECT_EQ(static_cast<uint32_t>(owner.commands[0].code), pressed);
    EXPECT_FALSE(GraphicWindow::IsValidWindow(box));
    EXPECT_TRUE(root->mChildren.empty());
  }
}

TEST_F(MessageBoxWindowTest, IsModalTakesEveryKeyAndStaysWhenItDoesNotCloseOnItsAnswer) {
  auto* box = new MessageBoxWindow({0, 0, 0, 0}, kBoxOk, 3, kBoxId, root.get(), &owner, 1, 0, "", nullptr, "");
  box->Initialize();
  EXPECT_EQ(box->mText, "Are you sure you want to quit?");
  EXPECT_EQ(box->mImageFileName, "MBox.bmp");
  EXPECT_EQ(box->Width(), 420);
  EXPECT_EQ(GraphicWindow::listModalWindows.front(), box);
  EXPECT_EQ(GraphicWindow::listInputWindows.front(), box);
  EXPECT_EQ(manager.OnKeyDown('A', 0), 1);
  EXPECT_TRUE(owner.commands.empty());
  EXPECT_EQ(manager.OnKeyDown(platform::VK_ESCAPE, 0), 1);
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_TRUE(GraphicWindow::IsValidWindow(box));
  EXPECT_EQ(Buttons(*box).size(), 1u);
  EXPECT_EQ(box->mChildren.size(), 1u) << "no strip without its name";
  box->Close();
}

TEST_F(MessageBoxWindowTest, ItsColoursReachTheTextAndTheButtons) {
  auto* box = new MessageBoxWindow({0, 0, 0, 0}, kBoxOk, std::string("Hello"), kBoxId, root.get(), &owner, 1, 1,
                                   nullptr, nullptr, "MBoxl.bmp");
  const uint32_t text = 0x10151F, caption = 0x0A85DA, pressed = 0xD3DAFF;
  box->SetTextColor(&text);
  box->SetButtonColors(&caption, nullptr);
  box->SetButtonColors(nullptr, &pressed);
  box->Initialize();
  EXPECT_EQ(box->mTextColor, text);
  SoundPushButton* ok = Buttons(*box).at(0);
  EXPECT_EQ(ok->mCaptionColor, caption);
  EXPECT_EQ(ok->mPressedCaptionColor, pressed);
  auto* strip = dynamic_cast<AnimStripWindow*>(box->mChildren.front());
  ASSERT_NE(strip, nullptr) << "the strip lies under the buttons";
  EXPECT_EQ(strip->mRect, (Rect{52, 211, 201, 304}));
  EXPECT_EQ(strip->mMode, kStripPingPong);
  EXPECT_EQ(strip->mFrameDelayMs, 55u);
  EXPECT_EQ(strip->mRunning, 1);
  box->Close();
}

TEST_F(MessageBoxWindowTest, TheFirstOfTwoButtonsIsDrawnOverEachStripFrame) {
  MessageBoxWindow* box = Open(kBoxOk | kBoxCancel);
  GraphicWindow* ok = box->FindChild(kBoxOk);
  for (int32_t frame = 0; frame < 3; ++frame) {
    manager.DrawWindows();
    EXPECT_EQ(PixelAt(*box->mpImage, 195, 257), 101) << "the button's up frame, frame " << frame;
    EXPECT_EQ(PixelAt(*box->mpImage, 190, 257), 130 + frame) << "the strip beside it";
    clock.systemMs += 56;
  }
  EXPECT_EQ(ok->mpTarget, box->mpImage);
  box->Close();
}

TEST_F(MessageBoxWindowTest, ADisplaySwitchKeepsTheText) {
  MessageBoxWindow* box = Open(kBoxOk, "");
  const std::vector<std::vector<uint8_t>> before = PixelRows(*box->mpImage);
  root->DestroyImages();
  root->CreateImages();
  EXPECT_EQ(PixelRows(*box->mpImage), before);
  box->Close();
}

TEST(MessageBoxButtonsTest, CaptionIdsOfTheSixButtons) {
  EXPECT_EQ(ButtonCaptionId(kBoxOk), 20);
  EXPECT_EQ(ButtonCaptionId(kBoxCancel), 21);
  EXPECT_EQ(ButtonCaptionId(kBoxYes), 22);
  EXPECT_EQ(ButtonCaptionId(kBoxNo), 23);
  EXPECT_EQ(ButtonCaptionId(kBoxRetry), 24);
  EXPECT_EQ(ButtonCaptionId(kBoxAbort), 25);
  EXPECT_EQ(ButtonCaptionId(0x8), 0);
}

}  // namespace
