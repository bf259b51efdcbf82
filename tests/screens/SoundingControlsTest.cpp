#include <gtest/gtest.h>

#include "Drovane/toolkit/RadioGroupWindow.h"
#include "screens/MusicSwitches.h"
#include "screens/SoundCheckBox.h"
#include "screens/SoundPushButton.h"
#include "screens/SoundRadioButton.h"
#include "screens/ScreensFixture.h"
#include "sound/Radio.h"

namespace {

using SoundingControlsTest = ScreensFixture;

TEST_F(SoundingControlsTest, AClassLoadsItsClickWithItsFirstInstanceAndFreesItWithItsLast) {
  auto* first = new SoundPushButton({0, 0, 1, 1}, 1, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(gPushButtonClick.InstanceCount(), 1);
  EXPECT_NE(gPushButtonClick.mSound.OwnBuffer(), nullptr);
  auto* second = new SoundPushButton({0, 0, 1, 1}, 2, nullptr, nullptr, nullptr, 0);
  delete first;
  EXPECT_EQ(gPushButtonClick.InstanceCount(), 1);
  EXPECT_NE(gPushButtonClick.mSound.OwnBuffer(), nullptr);
  EXPECT_EQ(gCheckBoxClick.InstanceCount(), 0) << "each class counts its own";
  delete second;
  EXPECT_EQ(gPushButtonClick.InstanceCount(), 0);
  EXPECT_EQ(gPushButtonClick.mSound.OwnBuffer(), nullptr);
}

TEST_F(SoundingControlsTest, APushButtonClicksOnceOnTheWayDownAndNotOnTheWayUp) {
  RecordingReceiver owner;
  auto* button = new SoundPushButton({0, 0, 1, 1}, 7, nullptr, nullptr, &owner, 0);
  button->Initialize();
  ASSERT_EQ(button->Width(), 10);
  button->OnMouseDown(4, 4, 1);
  EXPECT_TRUE(Clicked(gPushButtonClick));
  button->OnMouseMove(4, 5);
  EXPECT_FALSE(Clicked(gPushButtonClick)) << "staying down is no new press";
  button->OnMouseUp(4, 4, 1);
  EXPECT_FALSE(Clicked(gPushButtonClick));
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].code, kControlChanged);
  delete button;
}

TEST_F(SoundingControlsTest, ARadioGroupClicksWhenItsSelectionChanges) {
  auto* group = new RadioGroupWindow(9, nullptr, nullptr, 0);
  SoundRadioButton* buttons[2];
  for (int32_t i = 0; i < 2; ++i) {
    buttons[i] = new SoundRadioButton(group, {0, 10 * i, 1, 10 * i + 1}, i + 1, nullptr, nullptr, nullptr, 0);
    buttons[i]->Initialize();
  }
  group->SelectIndex(0);
  EXPECT_TRUE(Clicked(gRadioButtonClick)) << "a selection made while a screen is set up clicks too";
  group->SelectIndex(0);
  EXPECT_FALSE(Clicked(gRadioButtonClick));
  group->SelectIndex(1);
  EXPECT_TRUE(Clicked(gRadioButtonClick));
  EXPECT_EQ(buttons[0]->GetState(), kButtonUp);
  EXPECT_EQ(buttons[1]->GetState(), kButtonDown);
  delete buttons[0];
  delete buttons[1];
  delete group;
}

TEST_F(SoundingControlsTest, ACheckBoxClicksOnEveryChange) {
  auto* box = new SoundCheckBox({0, 0, 1, 1}, 3, nullptr, nullptr, nullptr, 0);
  box->Initialize();
  box->OnMouseDown(2, 2, 1);
  EXPECT_TRUE(Clicked(gCheckBoxClick));
  EXPECT_EQ(box->GetState(), kButtonDown);
  box->SetState(kButtonDown);
  EXPECT_FALSE(Clicked(gCheckBoxClick));
  box->SetState(kButtonUp);
  EXPECT_TRUE(Clicked(gCheckBoxClick));
  delete box;
}

// The radio over one station without items, so that it can play.
class MusicSwitchesTest : public ScreensFixture {
protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    folder.Write("data/sound/radio/stations/alpha/Alpha.id", "");
    ASSERT_EQ(gRadio.BuildStations(), 1);
  }
  void TearDown() override {
    gRadio.SetPlaying(0);
    gRadio.mStations.clear();
    gRadio.SetState(RadioState{});
    ScreensFixture::TearDown();
  }
};

TEST_F(MusicSwitchesTest, ToggleMusicTwiceReturnsTheRadioToItsFirstState) {
  for (int32_t playing : {0, 1}) {
    gRadio.mEnabled = playing;
    gRadio.SetPlaying(playing);
    ToggleMusic();
    EXPECT_EQ(gRadio.mPlaying, 1 - playing);
    EXPECT_EQ(gRadio.mEnabled, 1 - playing);
    ToggleMusic();
    EXPECT_EQ(gRadio.mPlaying, playing);
    EXPECT_EQ(gRadio.mEnabled, playing);
  }
}

TEST_F(MusicSwitchesTest, OnAndOffLeaveThePlayersWishAlone) {
  gRadio.mEnabled = 0;
  MusicOn();
  EXPECT_EQ(gRadio.mPlaying, 1);
  MusicOff();
  EXPECT_EQ(gRadio.mPlaying, 0);
  EXPECT_EQ(gRadio.mEnabled, 0);
}

}  // namespace
