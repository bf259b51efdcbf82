#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/ScreenFixture.h"
#include "Drovane/SmackerPlayer.h"
#include "platform/Clock.h"
#include "platform/StaticColours.h"
#include "support/VideoClips.h"

using namespace platform;

namespace {

class SmackerPlayerTest : public ScreenFixture {
protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    clock.counter = 1000000;
    SetClockSource(&clock);
  }
  void TearDown() override {
    SetClockSource(nullptr);
    ScreenFixture::TearDown();
  }


  // Opens the file in the player, which plays into the main window.
  void OpenInWindow(SmackerPlayer& player, const std::string& path) {
    player.SetWindow(window);
    ASSERT_EQ(player.Open(path.c_str(), 0, -1), 1);
  }

  // The clip's frame where the window shows it, and nothing of it outside.
  void ExpectShownAt(const TestClip& clip, int32_t frame, int32_t x, int32_t y) {
    const WindowPicture shown = Shown();
    const std::vector<uint8_t> pixels = TestClipFrame(clip, frame);
    for (int32_t row = 0; row < clip.height; ++row) {
      for (int32_t column = 0; column < clip.width; ++column) {
        ASSERT_EQ(shown.pixels[static_cast<size_t>((y + row) * 640 + x + column)],
                  pixels[static_cast<size_t>(row * clip.width + column)])
            << column << ", " << row;
      }
    }
    EXPECT_EQ(shown.pixels[static_cast<size_t>((y - 1) * 640 + x)], 0);
    EXPECT_EQ(shown.pixels[static_cast<size_t>(y * 640 + x + clip.width)], 0);
  }

  ManualClock clock;
  TestClipFolder clips;
};

TEST_F(SmackerPlayerTest, SetWindowCentresTheDisplaySizeInTheClientArea) {
  MakeScreen(1, nullptr);
  SmackerPlayer player(nullptr, 640, 278);
  player.SetWindow(window);
  EXPECT_EQ(player.mX, 0);
  EXPECT_EQ(player.mY, 101);
  SmackerPlayer ownSize;
  ASSERT_EQ(ownSize.Open(clips.Save(TestClip{64, 48, 1}).c_str(), 0, -1), 1);
  ownSize.SetWindow(window->mWindow);
  EXPECT_EQ(ownSize.mX, 288);
  EXPECT_EQ(ownSize.mY, 216);
}

TEST_F(SmackerPlayerTest, ShowsEachDueFrameAtItsOwnSizeInTheVideosColours) {
  MakeScreen(1, nullptr);
  const TestClip clip{64, 48, 3};
  VideoColours colours{};
  SmackerPlayer player(clips.Save(clip, &colours).c_str(), 200, 100);
  player.SetWindow(window);
  ASSERT_EQ(player.Open(nullptr, 0, -1), 1);
  EXPECT_EQ(player.mVideoWidth, 64);
  EXPECT_EQ(player.mVideoHeight, 48);
  EXPECT_EQ(player.GetBufferStatus(), 1);
  const int32_t x = 320 - 100, y = 240 - 50;
  for (int32_t frame = 0; frame < clip.frames; ++frame) {
    SCOPED_TRACE(frame);
    EXPECT_EQ(player.DrawToWindow(), frame + 1 < clip.frames ? 0 : 1);
    ExpectShownAt(clip, frame, x, y);
    if (frame + 1 < clip.frames) {
      EXPECT_EQ(player.DrawToWindow(), 0) << "not due yet";
    }
    clock.counter += clip.frameMicroseconds;
  }
  const WindowPicture shown = Shown();
  for (int32_t i = 0; i < 256; ++i) {
    const Rgb expected = IsStaticColourIndex(i) ? StaticColour(i) : colours[static_cast<size_t>(i)];
    EXPECT_EQ(shown.colours[static_cast<size_t>(i)], expected) << i;
  }
  EXPECT_EQ(player.DrawToWindow(), 1) << "a finished player shows its last frame again";
  ExpectShownAt(clip, clip.frames - 1, x, y);
}

TEST_F(SmackerPlayerTest, TheVideosColoursGoIntoTheScreensPalette) {
  const auto ramp = Ramp();
  MakeScreen(1, ramp.data());
  VideoColours colours{};
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(TestClip{64, 48, 1}, &colours));
  EXPECT_EQ(player.DrawToWindow(), 1);
  const WindowPicture shown = Shown();
  EXPECT_EQ(shown.colours[10], colours[10]);
  EXPECT_EQ(shown.colours[245], colours[245]);
  EXPECT_EQ(shown.colours[255], StaticColour(255));
}

TEST_F(SmackerPlayerTest, AFrameIsCutAtThePicturesEdges) {
  MakeScreen(1, nullptr);
  const TestClip clip{64, 48, 1};
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(clip));
  player.mX = 600;
  player.mY = -20;
  EXPECT_EQ(player.DrawToWindow(), 1);
  const WindowPicture shown = Shown();
  const std::vector<uint8_t> pixels = TestClipFrame(clip, 0);
  EXPECT_EQ(shown.pixels[0 * 640 + 600], pixels[20 * 64]);
  EXPECT_EQ(shown.pixels[27 * 640 + 639], pixels[47 * 64 + 39]);
  EXPECT_EQ(shown.pixels[28 * 640 + 600], 0);
}

TEST_F(SmackerPlayerTest, AFinishedPlayerFillsTheBackgroundWithTheNearestColour) {
  const auto ramp = Ramp();
  MakeScreen(1, ramp.data());
  const TestClip clip{64, 48, 1};
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(clip));
  player.mX = 100;
  ASSERT_EQ(player.DrawToWindow(), 1);
  player.mFillBackground = 1;
  player.mFillRed = 255;
  player.mFillGreen = 255;
  player.mFillBlue = 255;
  EXPECT_EQ(player.DrawToWindow(), 1);
  const WindowPicture shown = Shown();
  EXPECT_EQ(shown.pixels[10 * 640 + 10], 255) << "white: the static colour 255";
  EXPECT_EQ(shown.pixels[100 * 640 + 100], 0) << "outside the video's rectangle at (0, 0)";
}

TEST_F(SmackerPlayerTest, ALoopingOneFrameVideoNeverFinishes) {
  MakeScreen(1, nullptr);
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(TestClip{64, 48, 1}));
  player.mLoop = 1;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(player.DrawToWindow(), 0);
    clock.counter += 100000;
  }
}

TEST_F(SmackerPlayerTest, StopTakesAStartedPlayerBackToItsFirstState) {
  MakeScreen(1, nullptr);
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(TestClip{64, 48, 1}));
  player.Stop();
  EXPECT_EQ(player.mState, 0);
  EXPECT_EQ(player.DrawToWindow(), 1);
  EXPECT_EQ(player.mState, 2);
  player.Stop();
  EXPECT_EQ(player.mState, 0);
}

TEST_F(SmackerPlayerTest, AMissingOrDamagedVideoIsFinishedAtOnce) {
  MakeScreen(1, nullptr);
  std::vector<uint8_t> cut = TestClipBytes(TestClip{64, 48, 3});
  cut.resize(cut.size() / 2);
  for (const std::string& path :
       {clips.Missing(), clips.Save(std::vector<uint8_t>(500, 'x'), "garbage.smk"), clips.Save(cut, "cut.smk")}) {
    SmackerPlayer player(path.c_str(), 640, 278);
    player.SetWindow(window);
    EXPECT_EQ(player.Open(nullptr, 0xFE000, -1), 1);
    int32_t answer = 0;
    for (int step = 0; step < 5 && answer == 0; ++step, clock.counter += 100000) answer = player.DrawToWindow();
    EXPECT_EQ(answer, 1) << path;
    EXPECT_EQ(player.DrawToWindow(), 1);
  }
}

TEST_F(SmackerPlayerTest, ClosingTwiceIsHarmless) {
  MakeScreen(1, nullptr);
  SmackerPlayer player;
  OpenInWindow(player, clips.Save(TestClip{64, 48, 1}));
  player.Close();
  player.Close();
  EXPECT_FALSE(player.mpSmack);
  EXPECT_FALSE(player.mpSmackBuffer);
  EXPECT_EQ(player.GetBufferStatus(), 0);
  EXPECT_EQ(player.DrawToWindow(), 1);
}

}  // namespace
